// The 40 ms engine step (after the port is read and the single-frame timing
// has run): the positioning ramps, jogging or one frame of play, one message,
// the setup dialog's values and the displays.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/engine_context.h"
#include "engine/engine_displays.h"
#include "link/link.h"

namespace kestrova {

class FrameEngine {
public:
    FrameEngine(EngineContext ctx, Link& link) : c_(ctx), link_(link) {}
    // The port's input of this step; read before the single-frame timing so a
    // lost line stops a run before it steps.
    std::optional<std::uint8_t> receive();
    void step(std::optional<std::uint8_t> first_byte);

private:
    void idle_branch();
    void bring_into_limits();
    // Returns which move axes the keys moved.
    std::array<bool, move_axes> jog();
    void clamp_to_limits();
    void limit_step_size();
    void playback_branch(std::optional<std::uint8_t> first_byte);
    void play_target();
    void advance_frame(std::optional<std::uint8_t> first_byte);
    void send(std::uint8_t lead, const std::array<double, move_axes>& pos);
    void refresh_displays();

    EngineContext c_;
    Link& link_;
    ShownMotion shown_;
};

// The setup dialog has new values: the next step applies them.
inline void request_setup_apply(EngineState& engine) { engine.setup_waiting = true; }

}  // namespace kestrova
