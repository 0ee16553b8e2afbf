#pragma once

#include <string>

#include "axes/axes_context.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_axes_commands(const AxesContext& context);

// The enable and reverse buttons show the toggles (after they are restored).
void show_axis_toggles(const AxesContext& context);

// Without a setup file every axis with F keys (A..E) gets a working F speed
// in its F speed box (the starting share of its maximum speed); "enable F
// keys" takes it from there, as it takes a typed one.
void give_starting_fspeeds(const AxesContext& context);

// The jog keys' reading and rule for the F speed box of `axis`, and the text
// their rule puts back (which runs the rule again).
void keep_fspeed_box(Panel& panel, int axis, Panel::Reading reading, Panel::Rule rule);
void put_back_fspeed(Panel& panel, int axis, std::string text);

}  // namespace kestrova
