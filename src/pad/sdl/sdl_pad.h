// The gamepad through SDL's game-controller interface, which maps most pads to
// one standard layout and reports pads plugged in and out. Read on the window
// thread once a step; needs no display and no pad to start.
#pragma once

#include <string>

#include "base/result.h"
#include "pad/gamepad.h"

using SDL_GameController = struct _SDL_GameController;

namespace kestrova {

class SdlPad {
public:
    SdlPad();
    ~SdlPad();
    SdlPad(const SdlPad&) = delete;
    SdlPad& operator=(const SdlPad&) = delete;

    // Whether SDL's controller support started; when not, every poll finds no pad.
    const Result<>& started() const { return started_; }

    // Takes pads that came and went since the last poll, then reads the pad in
    // use (the first one connected). `window_active`: the window has the focus.
    PadPoll poll(bool window_active);

private:
    void take_events();
    void open_first_available();

    Result<> started_;
    SDL_GameController* pad_ = nullptr;
};

}  // namespace kestrova
