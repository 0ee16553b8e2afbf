// The text export of a move: a header line of axis names and one line per
// frame of whole positions at fixed print columns, CR LF line ends; and the
// reading of such a file back into a per-frame table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

// The file's text for frames 1..totalframes of `movepos`.
std::string export_text(const MoveModel& move, const std::array<std::string, move_axes>& names);

// One frame line (without its CR LF; a value that overruns its column starts
// a new line, so the text may hold an inner CR LF).
std::string export_line(const std::array<double, move_axes>& values);

// Reads an export: the header line, then five whole numbers per frame, each
// frame on its own line (a frame may continue on the next line, as the export
// writes values that overrun their column). 1..32766 frames, one table row each.
Result<FrameTable> parse_export(std::string_view text);

}  // namespace kestrova
