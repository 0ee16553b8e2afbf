// What the frame engine reads and writes between steps, by feature: the present
// positions, play-back, jogging, positioning and sound sync. Commands only set
// these; the engine's step turns them into motion.
#pragma once

#include <array>
#include <cstdint>

#include "axes/axis_settings.h"
#include "engine/engine_mode.h"
#include "move/move_model.h"

namespace kestrova {

inline constexpr int fkey_count = 10;  // F1..F10: A down, A up, .. E down, E up
inline constexpr int ramp_axes = 7;    // positioning ramps move A..G

struct PlaybackState {
    std::int32_t playframe = 1;
    double playdiv = 1;  // steps per frame
    double divider = 1;  // the play-speed box's value; Run and Play Back Speed take it
    int divcount = 0;    // steps of the present frame done
    std::array<double, move_axes> next{};     // targets of this step
    std::array<double, move_axes> frompos{};  // slow play: where the present frame starts
    std::array<double, move_axes> delta{};
    std::array<double, move_axes> step{};
    bool looping = false;
    bool clamp_reported = false;  // a clamped target was reported in this play
};

// Jogging with a gamepad: a signed target speed per move axis, set from the
// sticks each step, and the speed the axis moves at, which follows the target
// by at most the axis's acceleration per step.
struct PadJog {
    std::array<double, move_axes> target{};
    std::array<double, move_axes> speed{};
    // A Stop brought the pad's axes to rest; the pad stays still until its
    // dead-man button is let go and held again.
    bool halted = false;
};

struct JogState {
    std::array<bool, fkey_count> fkeydown{};  // held
    std::array<bool, fkey_count> fkeyup{};    // released, the axis coasts down
    bool anyfkey = false;
    // Present speed per axis, counts per step; the positioning ramps share it.
    std::array<double, axis_count> speed{};
    PadJog pad;
};

// Where a positioning (not a go-to-frame) ramp heads.
enum class PositionGoal {
    Start,       // frame 1's goals
    Zero,
    Typed,       // `target`
    IntoLimits,  // `target`, the nearest points inside the limits
};

struct PositioningState {
    PositionGoal goal_kind = PositionGoal::Start;
    std::array<double, move_axes> target{};
    int ramp_step = 0;  // steps of the ramp; 1 fixes its goals
    double gototarget = 1;
    double frame_box = 1;  // the go-to-frame box's value; the frame bar follows it while ramping
    std::array<double, ramp_axes> goal{};
    std::array<double, ramp_axes> mid{};
    std::array<double, ramp_axes> start{};
    std::array<double, ramp_axes> ramp{};  // braking distance
    std::array<bool, axis_count> atspeed{};
    // Bringing axes inside their limits: until the ramp arrives each axis's
    // limits stretch to where it started.
    std::array<double, move_axes> outside_from{};
};

struct SoundSyncState {
    bool soundsync = false;  // play-back waits for the controller's marker
    bool soundsynced = false;
    int synccount = 0;
};

struct EngineState {
    EngineMode mode = EngineMode::Idle;  // changed only through `enter`
    // Present positions A..H in controller counts and their copies of the last step.
    std::array<double, axis_count> curpos{};
    std::array<double, axis_count> lastpos{};
    // Positions carried by the last message built (the idle step-size reference).
    std::array<double, move_axes> last_sent{};

    PlaybackState play;
    JogState jog;
    PositioningState positioning;
    SoundSyncState sound_sync;
    // The setup dialog's values wait to be applied by the next step.
    bool setup_waiting = false;
};

}  // namespace kestrova
