// State of the motion commands that the engine does not read: the single-frame
// run and the trigger toggles.
#pragma once

namespace kestrova {

struct SingleFrameState {
    bool sfrun = false;
    // Interval counter: ticks within the second, seconds, minutes, hours.
    int tcframes = 0;
    int tcsecs = 0;
    int tcmins = 0;
    int tchours = 0;
    int exposureticks = 0;  // engine steps since the lamp lit
    bool sfmatch = false;
    double first_frame = 1;  // where the run started, for its progress   // the clock counted an interval match; the next engine step lights the lamp
};

// Toggles only; nothing acts on them yet.
struct TriggerState {
    bool trigtc = false;
    bool trigtone = false;
    bool triggpi = false;
};

}  // namespace kestrova
