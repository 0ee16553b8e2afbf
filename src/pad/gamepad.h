// The gamepad as the operator uses it, read once a step before the engine's
// step: the sticks set the pad's target jog speeds while the dead-man button
// is held, A stores a keyframe and moves the Position box on, X and Y drive
// the rig to the keyframe before or after it, B stops.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"
#include "engine/engine_state.h"
#include "base/control_name.h"
#include "move/move_entries.h"
#include "move/move_model.h"
#include "pad/pad_input.h"
#include "pad/pad_settings.h"

namespace kestrova {

// One look at the pad: nothing when none is connected.
struct PadPoll {
    std::optional<PadReading> reading;
    std::string name;
    bool window_active = true;  // the window has the focus
};

// The window's controls the pad works as the operator would, named by the
// app that wires the pad to the window.
struct PadControls {
    ControlName stop;             // B
    ControlName add_keyframe;     // A
    ControlName go_to_frame;      // X and Y press it ...
    ControlName go_to_frame_box;  // ... with the keyframe's frame typed here
};

struct GamepadContext {
    EngineState& engine;  // the pad's jog targets; whether play or positioning has the rig
    const AxisSettings& axes;
    const MoveModel& move;        // its keyframes, for X and Y
    const MoveEntries& entries;   // the Position box's frame, stepped on by A
    Panel& panel;                 // the F-key status, the Position box, the buttons the pad presses
    Notices& notices;
    PadControls controls;
};

class Gamepad {
public:
    explicit Gamepad(PadSettings settings = PadSettings::defaults()) : settings_(settings) {}

    void tick(const PadPoll& poll, const GamepadContext& c);

    const PadSettings& settings() const { return settings_; }
    void set_settings(const PadSettings& s);
    // Told when the operator changed the settings, so they can be kept.
    std::function<void(const PadSettings&)> settings_changed;

    // "pad: <name>" while a pad is connected, else empty.
    std::string status() const;

private:
    void connection(const PadPoll& poll, const GamepadContext& c);
    void add_keyframe_and_advance(const GamepadContext& c);
    void go_to_neighbour(const GamepadContext& c, int direction);

    PadSettings settings_;
    std::string name_;  // the connected pad's, or empty
    bool connected_ = false;
    std::array<bool, pad_button_count> held_{};  // at the last step: a press is a new hold
    bool told_fkeys_off_ = false;
};

}  // namespace kestrova
