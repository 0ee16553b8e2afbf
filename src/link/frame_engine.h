// The 40 ms engine step: reads the port, runs single-frame timing and the
// positioning ramps, jogs or plays one frame, sends one message, applies the
// setup dialog and refreshes the displays.
#pragma once

#include "link/link.h"
#include "shell/app_state.h"

namespace kestrova {

class FrameEngine {
public:
    FrameEngine(AppState& state, Link& link) : state_(state), link_(link) {}
    void step();

private:
    AppState& state_;
    Link& link_;
};

}  // namespace kestrova
