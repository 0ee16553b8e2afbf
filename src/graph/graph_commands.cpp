#include "graph/graph_commands.h"

namespace kestrova {

void install_graph_commands(AppState&) {}

}  // namespace kestrova
