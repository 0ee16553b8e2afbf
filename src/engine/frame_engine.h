// The 40 ms engine step: reads the port, runs single-frame timing and the
// positioning ramps, jogs or plays one frame, sends one message, applies the
// setup dialog and refreshes the displays.
#pragma once

#include <cstdint>
#include <optional>

#include "link/link.h"
#include "app/app_state.h"

namespace kestrova {

class FrameEngine {
public:
    FrameEngine(AppState& state, Link& link) : state_(state), link_(link) {}
    void step();

private:
    void idle_branch();
    void jog();
    void clamp_to_limits();
    void limit_step_size();
    void playback_branch(std::optional<std::uint8_t> first_byte);
    void play_target();
    void advance_frame(std::optional<std::uint8_t> first_byte);
    void send(std::uint8_t lead, const std::array<double, move_axes>& pos);
    void refresh_displays();

    AppState& state_;
    Link& link_;
};

}  // namespace kestrova
