// A pad for tests: SDL's virtual joystick in the standard controller layout,
// and a started program that reads it each step as the window does.
#pragma once

#include <SDL.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "axes/controls.h"
#include "motion/controls.h"
#include "pad/sdl/sdl_pad.h"
#include "started_app.h"

namespace kestrova::test_support {

class VirtualPad {
public:
    VirtualPad() {
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "Virtual Pad";
        const int index = SDL_JoystickAttachVirtualEx(&d);
        joystick_ = SDL_JoystickOpen(index);
        if (!joystick_) throw std::runtime_error(SDL_GetError());
        stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
        stick(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
    }
    ~VirtualPad() {
        unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    // Sticks -1..1; triggers 0..1, which SDL reads from the whole raw range.
    void stick(SDL_GameControllerAxis axis, double deflection) {
        const bool trigger = axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
        const double raw = trigger ? deflection * 65535 - 32768 : deflection * 32767;
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(std::lround(raw)));
    }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0); }
    void dead_man(bool down) { button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, down); }
    void unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

// A started program with F-key jogging on (F speed 100 on A, B and E) and a
// pad plugged in.
struct PadSession : StartedApp {
    PadSession() {
        for (std::size_t a : {0u, 1u, 4u}) app.type(ctl::fspeed_boxes[a], "100");
        app.press(ctl::enable_fkeys_button);
    }
    void step(int n = 1) {
        for (int i = 0; i < n; ++i) {
            app.read_pad(reader.poll(window_active));
            app.tick();
        }
    }
    double speed(std::size_t a) { return engine().jog.pad.speed[a]; }
    double at(std::size_t a) { return engine().curpos[a]; }

    VirtualPad pad;
    SdlPad reader;
    bool window_active = true;
};

}  // namespace kestrova::test_support
