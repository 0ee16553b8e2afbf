#pragma once

#include <optional>
#include <string>

namespace kestrova {

// A frame number as HH:MM:SS:FF at 25 frames per second; nothing when the
// frame does not fit a 16-bit integer.
std::optional<std::string> time_code(double frame);

}  // namespace kestrova
