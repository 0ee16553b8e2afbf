#include "axes/axes_commands.h"

namespace kestrova {

void install_axes_commands(AppState&) {}

}  // namespace kestrova
