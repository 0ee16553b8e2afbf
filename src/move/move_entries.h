// The move boxes' values, each read from its box by that box's own reading
// (move_commands.cpp); the commands use these, never the boxes' text.
#pragma once

#include <optional>

namespace kestrova {

struct MoveEntries {
    std::optional<double> position;  // "Position" (Text1) as one number, else nothing
    double position_prefix = 1;      // the same by its leading number (the gamepad steps from it)
    std::optional<double> length;    // "Total frames" as one number, else nothing
};

}  // namespace kestrova
