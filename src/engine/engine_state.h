// Everything the frame engine reads and writes between ticks: the present
// positions, play-back, positioning, jogging, single-frame timing and the link.
// Commands only set these; the engine's tick turns them into motion.
#pragma once

#include <array>
#include <cstdint>

#include "axes/axis_settings.h"
#include "move/move_model.h"

namespace kestrova {

inline constexpr int fkey_count = 10;   // F1..F10: A down, A up, .. E down, E up
inline constexpr int ramp_axes = 7;     // positioning ramps move A..G

struct EngineState {
    // Present positions A..H in controller counts and their copies of the last tick.
    std::array<double, axis_count> curpos{};
    std::array<double, axis_count> lastpos{};
    // Positions carried by the last message actually built (idle limiter reference).
    std::array<double, move_axes> last_sent{};

    // Play-back.
    bool running = false;
    std::int32_t playframe = 1;
    double playdiv = 1;
    int divcount = 0;
    std::array<double, move_axes> next{};
    std::array<double, move_axes> frompos{};
    std::array<double, move_axes> delta{};
    std::array<double, move_axes> step{};
    bool restartflag = false;
    bool looping = false;
    bool clamp_reported = false;  // a clamped play-back target was reported in this play

    // Jogging.
    std::array<bool, fkey_count> fkeydown{};
    std::array<bool, fkey_count> fkeyup{};
    bool anyfkey = false;
    std::array<double, axis_count> jog{};

    // Positioning.
    bool posmoving = false;
    bool hometarget = false;
    bool entrytarget = false;
    std::array<double, move_axes> target{};
    bool gotoactive = false;
    int gotophase = 0;
    double gototarget = 1;
    std::array<double, ramp_axes> goal{};
    std::array<double, ramp_axes> mid{};
    std::array<double, ramp_axes> start{};
    std::array<double, ramp_axes> ramp{};
    std::array<bool, axis_count> atspeed{};

    // Link.
    bool resetreq = false;
    std::uint8_t incontrol = 0;
    bool smallversionbit = false;
    bool commsoff = true;
    int commnum = 1;

    // Sound sync.
    bool soundsync = false;
    bool soundsynced = false;
    int synccount = 0;

    // Single frame.
    bool sfrun = false;
    int tcframes = 0;
    int tcsecs = 0;
    int tcmins = 0;
    int tchours = 0;
    int exposureticks = 0;
    bool sfmatch = false;  // the clock counted an interval match; the next engine step lights the lamp

    // Triggers (toggles only; nothing acts on them).
    bool trigtc = false;
    bool trigtone = false;
    bool triggpi = false;
};

}  // namespace kestrova
