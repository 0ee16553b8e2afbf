// The program's connection to the controller: off line, on line on a device,
// or lost. Owns the open port; sends the engine's messages and reads the
// little that comes back.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "link/messages.h"
#include "link/port.h"
#include "link/rate_meter.h"
#include "app/app_state.h"
#include "link/thread_priority.h"

namespace kestrova {

class Transmitter;

class Link {
public:
    Link(AppState& state, std::unique_ptr<PortOpener> opener);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Open `device` and go on line. On failure the previous port stays in use
    // (or the program stays off line) and the reason goes to the status bar.
    bool go_online(const std::string& device);
    void go_offline();
    bool online() const { return port_ != nullptr; }
    Port* port() { return port_.get(); }
    PortOpener* opener() { return opener_.get(); }

    // Messages go out through `t` at its own deadlines instead of at once.
    // nullptr sends directly again.
    void set_transmitter(Transmitter* t);

    // The engine's first step: everything received, and a backlog over the
    // limit emptied. Returns the first received byte, if any.
    std::optional<std::uint8_t> receive();
    // One message, while on line.
    void send(const Message& m);
    // How the sending thread is scheduled and why (the status bar shows the first).
    PriorityOutcome priority() const;

private:
    bool check_lost();
    void lose();
    void refresh_rate();

    AppState& state_;
    std::unique_ptr<PortOpener> opener_;
    std::unique_ptr<Port> port_;
    Transmitter* transmitter_ = nullptr;
    RateMeter meter_;
};

// Port lost: play-back, positioning, jogging and single-frame runs stop; every
// present position becomes what the rig was last told, so nothing moves when
// the line comes back.
void stop_motion_keep_positions(AppState& state);

}  // namespace kestrova
