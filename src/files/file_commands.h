#pragma once

#include "files/files_context.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_file_commands(const FilesContext& context);

}  // namespace kestrova
