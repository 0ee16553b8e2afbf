#pragma once

#include <filesystem>
#include <string>

#include "app/app_state.h"

namespace kestrova {

enum class SetupLoad { loaded, missing, refused };

std::filesystem::path setup_path(const AppState& state);

// Read "stats.ini" from the working directory into the axis names and settings
// (start-up and "Load Setup"). A missing file changes nothing and says nothing;
// a short, unreadable or damaged file changes nothing and says why.
SetupLoad load_setup(AppState& state);

// "Save Setup": refuses a value that does not fit its field (naming axis and
// field), else replaces the file atomically, keeping bytes beyond the fields.
// Returns true when written; every outcome is reported.
bool save_setup(AppState& state);

}  // namespace kestrova
