#include "pad/sdl/sdl_pad.h"

#include <SDL.h>

#include <algorithm>

namespace kestrova {

namespace {
constexpr double full_deflection = 32767.0;

double deflection(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    return std::clamp(SDL_GameControllerGetAxis(pad, axis) / full_deflection, -1.0, 1.0);
}
}  // namespace

SdlPad::SdlPad() {
    // The program keeps its own signal handling, and reads the pad whichever
    // window has the focus (the pad decides what focus means).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        started_ = fail(SDL_GetError());
        return;
    }
    open_first_available();
}

SdlPad::~SdlPad() {
    if (!started_) return;
    if (pad_) SDL_GameControllerClose(pad_);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlPad::open_first_available() {
    for (int i = 0; !pad_ && i < SDL_NumJoysticks(); ++i)
        if (SDL_IsGameController(i)) pad_ = SDL_GameControllerOpen(i);
}

void SdlPad::take_events() {
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        if (e.type == SDL_CONTROLLERDEVICEADDED && !pad_) pad_ = SDL_GameControllerOpen(e.cdevice.which);
        if (e.type == SDL_CONTROLLERDEVICEREMOVED && pad_ &&
            SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad_)) == e.cdevice.which) {
            SDL_GameControllerClose(pad_);
            pad_ = nullptr;
            open_first_available();
        }
    }
}

PadPoll SdlPad::poll(bool window_active) {
    PadPoll out;
    out.window_active = window_active;
    if (!started_) return out;
    take_events();
    if (!pad_ || !SDL_GameControllerGetAttached(pad_)) return out;
    PadReading r;
    r.at(PadStick::left_x) = deflection(pad_, SDL_CONTROLLER_AXIS_LEFTX);
    r.at(PadStick::left_y) = deflection(pad_, SDL_CONTROLLER_AXIS_LEFTY);
    r.at(PadStick::right_x) = deflection(pad_, SDL_CONTROLLER_AXIS_RIGHTX);
    r.at(PadStick::right_y) = deflection(pad_, SDL_CONTROLLER_AXIS_RIGHTY);
    r.at(PadStick::left_trigger) = deflection(pad_, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    r.at(PadStick::right_trigger) = deflection(pad_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    auto held = [this](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(pad_, b) != 0; };
    r.set(PadButton::a, held(SDL_CONTROLLER_BUTTON_A));
    r.set(PadButton::b, held(SDL_CONTROLLER_BUTTON_B));
    r.set(PadButton::x, held(SDL_CONTROLLER_BUTTON_X));
    r.set(PadButton::y, held(SDL_CONTROLLER_BUTTON_Y));
    r.set(PadButton::left_shoulder, held(SDL_CONTROLLER_BUTTON_LEFTSHOULDER));
    r.set(PadButton::right_shoulder, held(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER));
    out.reading = r;
    const char* name = SDL_GameControllerName(pad_);
    out.name = name ? name : "gamepad";
    return out;
}

}  // namespace kestrova
