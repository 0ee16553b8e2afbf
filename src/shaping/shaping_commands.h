#pragma once

#include "shaping/shaping_context.h"

namespace kestrova {

// Wire the Bezier and smoothing controls into the main window.
void install_shaping_commands(const ShapingContext& ctx);

}  // namespace kestrova
