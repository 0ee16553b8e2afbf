// The program without its window: all state, every control's behaviour and the
// frame engine. The window forwards clicks, texts, keys and clock ticks here.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "link/port.h"
#include "log/journal.h"
#include "app/app_state.h"
#include "pad/gamepad.h"

namespace kestrova {

class Link;
class FrameEngine;

class App {
public:
    explicit App(std::filesystem::path workdir, std::unique_ptr<PortOpener> opener = nullptr);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The start-up sequence; runs once before the window takes input.
    void start();

    AppState& state() { return state_; }
    Panel& panel() { return state_.panel; }
    Link& link() { return *link_; }
    FrameEngine& engine() { return *engine_; }

    // Operator input, as the window forwards it.
    void press(ControlName name) { state_.panel.press(name); }
    void type(ControlName name, std::string text) { state_.panel.set_text(name, std::move(text)); }
    // Key codes are the function keys' 112..121 and 13 for Enter. Returns true
    // when the key is consumed and must not reach the window (F10).
    bool key_down(ControlName box, int code, bool auto_repeat = false) {
        return state_.panel.key_down(box, code, auto_repeat);
    }
    void key_up(ControlName box, int code, bool auto_repeat = false) { state_.panel.key_up(box, code, auto_repeat); }
    void focus_lost(ControlName box) { state_.panel.focus_lost(box); }

    // Escape: play-back, positioning, jogging and single frame stop at once.
    void stop_everything();

    // The status area's progress line (play-back, single frame, or the running time).
    std::string progress();

    // One 40 ms clock tick: the single-frame interval count, then the engine step.
    void tick();
    // What the gamepad gives this step; read just before the tick.
    void read_pad(const PadPoll& poll);

    bool quit_requested() const { return quit_requested_; }

    // Keep a log of what happens from now on, written to `sink`.
    void keep_log(Journal::Sink sink);

private:
    void install();
    void install_shell_commands();

    AppState state_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<FrameEngine> engine_;
    bool quit_requested_ = false;
    std::unique_ptr<Journal> journal_;
};

}  // namespace kestrova
