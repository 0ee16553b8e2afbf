// The setup file "stats.ini" in the working folder: axis names and settings.
#pragma once

#include <filesystem>

#include "axes/axes_context.h"

namespace kestrova {

enum class SetupLoad { loaded, missing, refused };

std::filesystem::path setup_path(const std::filesystem::path& workdir);

// Read "stats.ini" into the axis names and settings (start-up and "Load
// Setup"). A missing file changes nothing and says nothing; a short,
// unreadable or damaged file changes nothing and says why.
SetupLoad load_setup(const AxesContext& context);

// "Save Setup": refuses a value that does not fit its field (naming axis and
// field), else replaces the file atomically, keeping bytes beyond the fields.
// Returns true when written; every outcome is reported.
bool save_setup(const AxesContext& context);

}  // namespace kestrova
