// The move as CSV, for spreadsheets and 3D animation software: a header
// "frame,<name A>,..,<name E>" and one row per frame of positions in
// controller counts, each written so that reading it back gives the same
// double. Reading takes commas or semicolons (with a semicolon, a comma in a
// number is the decimal mark) and refuses anything else, naming the line.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

inline constexpr std::size_t csv_max_line = 4096;

std::string export_csv(const FrameTable& positions, int frames, const std::array<std::string, move_axes>& names);

// One row per frame, 1..max_frames rows.
Result<FrameTable> parse_csv(std::string_view text);

}  // namespace kestrova
