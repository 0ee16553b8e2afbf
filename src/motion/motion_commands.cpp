#include "motion/motion_commands.h"

namespace kestrova {

void install_motion_commands(AppState&) {}

}  // namespace kestrova
