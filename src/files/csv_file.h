// Export CSV and Import CSV: the move as a CSV file chosen anywhere (the
// operator picks the path in a file dialog). A refused import names the line
// and leaves the move as it was.
#pragma once

#include <filesystem>
#include <functional>

#include "base/result.h"
#include "files/files_context.h"
#include "move/move_model.h"

namespace kestrova {

// Every frame's positions under a header of the axis names.
bool export_move_csv(const FilesContext& c, const std::filesystem::path& path);

// The frames of the CSV file at `path`. A file that changes while it is read
// (still being written or copied) is refused rather than taken half-done: its
// size and modification time are looked at before and after the read.
// `between_looks` runs after the read, before the second look (tests change
// the file there).
Result<FrameTable> read_csv_file(const std::filesystem::path& path,
                                 const std::function<void()>& between_looks = {});

// The file's rows become the move's positions, its row count the length; the
// keyframe table is emptied.
bool import_move_csv(const FilesContext& c, const std::filesystem::path& path);

}  // namespace kestrova
