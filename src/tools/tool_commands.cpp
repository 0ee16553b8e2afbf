#include "tools/tool_commands.h"

namespace kestrova {

void install_tool_commands(AppState&) {}

}  // namespace kestrova
