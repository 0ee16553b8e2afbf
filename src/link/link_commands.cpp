#include "link/link_commands.h"

namespace kestrova {

void install_link_commands(AppState&, Link&) {}

}  // namespace kestrova
