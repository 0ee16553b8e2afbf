// The byte layout of the setup file "stats.ini": 184 bytes of fixed fields,
// little-endian, no header. Pure functions over bytes, so the loader, the
// tests and the fuzzer share them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "axes/axis_settings.h"
#include "base/result.h"

namespace kestrova {

inline constexpr std::size_t setup_file_size = 184;
inline constexpr std::size_t setup_name_size = 8;

struct SetupRecord {
    std::array<std::string, axis_count> names;  // 8 single-byte characters each
    std::array<std::int16_t, axis_count> acc{};
    std::array<std::int16_t, axis_count> mSpeed{};
    std::array<std::int16_t, axis_count> FSpeed{};
    std::array<std::int32_t, axis_count> min{};
    std::array<std::int32_t, axis_count> max{};
};

// Reads the first 184 bytes; longer input is accepted and its tail ignored.
// Refuses short input only: whether the values may be used is for the
// setting rules to say.
Result<SetupRecord> decode_setup(std::span<const std::uint8_t> bytes);

// Exactly 184 bytes. Names are cut or padded with spaces to 8 bytes.
std::vector<std::uint8_t> encode_setup(const SetupRecord& record);

// Axis names as stored (Latin-1 bytes, 8 of them) and as the boxes hold them
// (UTF-8). Characters beyond Latin-1 are stored as '?'.
std::string name_to_field(const std::string& utf8);
std::string field_to_name(const std::string& latin1);

}  // namespace kestrova
