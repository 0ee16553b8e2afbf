// What a command that changed the move is called in "Undo <action>".
#pragma once

#include <string>
#include <string_view>

#include "base/panel.h"

namespace kestrova {

std::string command_label(std::string_view control, const Panel& panel);

}  // namespace kestrova
