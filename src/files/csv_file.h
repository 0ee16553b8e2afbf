// Export CSV and Import CSV: the move as a CSV file chosen anywhere (the
// operator picks the path in a file dialog). A refused import names the line
// and leaves the move as it was.
#pragma once

#include <filesystem>

#include "files/files_context.h"

namespace kestrova {

// Every frame's positions under a header of the axis names.
bool export_move_csv(const FilesContext& c, const std::filesystem::path& path);

// The file's rows become the move's positions, its row count the length; the
// keyframe table is emptied.
bool import_move_csv(const FilesContext& c, const std::filesystem::path& path);

}  // namespace kestrova
