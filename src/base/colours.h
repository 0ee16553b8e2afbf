// Colours as RGB numbers (red in the low byte) and the two system colours.
#pragma once

#include <cstdint>

namespace kestrova {

namespace colour {
inline constexpr std::uint32_t red = 255;
inline constexpr std::uint32_t green = 65280;
inline constexpr std::uint32_t yellow = 65535;
inline constexpr std::uint32_t light_red = 8421631;
inline constexpr std::uint32_t white = 0xFFFFFF;
inline constexpr std::uint32_t inactive_border = 0x8000000B;  // indicator at rest
inline constexpr std::uint32_t highlight = 0x8000000D;        // indicator lit
inline constexpr std::uint32_t none = 0xFFFFFFFF;             // the widget's own colour
}  // namespace colour

}  // namespace kestrova
