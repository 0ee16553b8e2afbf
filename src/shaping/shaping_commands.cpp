#include "shaping/shaping_commands.h"

namespace kestrova {

void install_shaping_commands(AppState&) {}

}  // namespace kestrova
