// State of the motion commands that the engine does not read: the boxes they
// read, the single-frame run and the trigger toggles.
#pragma once

#include <array>

#include "move/move_model.h"

namespace kestrova {

// The values of the boxes the motion commands read, each kept by its box's
// reading, and the Zero All button's arming.
struct MotionEntries {
    std::array<double, move_axes> position_units{};  // the position boxes, by their leading number
    std::array<double, move_axes> fspeed{};          // the F speed boxes, by their leading number
    bool zero_all_armed = false;  // pressed once; the next press zeroes the axes
};

struct SingleFrameState {
    // The interval and exposure boxes' values, taken by their change rules.
    double hours = 0;
    double minutes = 0;
    double seconds = 10;
    double exposure = 2;  // engine steps the lamp stays lit
    // Interval counter: ticks within the second, seconds, minutes, hours.
    int tcframes = 0;
    int tcsecs = 0;
    int tcmins = 0;
    int tchours = 0;
    int exposureticks = 0;  // engine steps since the lamp lit
    bool sfmatch = false;  // the interval matched; the lamp lights in this tick
    double first_frame = 1;  // where the run started, for its progress
};

// Toggles only; nothing acts on them yet.
struct TriggerState {
    bool trigtc = false;
    bool trigtone = false;
    bool triggpi = false;
};

}  // namespace kestrova
