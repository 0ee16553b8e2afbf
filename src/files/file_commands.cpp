#include "files/file_commands.h"

namespace kestrova {

void install_file_commands(AppState&) {}

}  // namespace kestrova
