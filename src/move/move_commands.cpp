#include "move/move_commands.h"

namespace kestrova {

void install_move_commands(AppState&) {}

}  // namespace kestrova
