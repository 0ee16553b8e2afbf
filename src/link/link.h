// The program's connection to the controller: off line, on line on a device,
// or lost. Owns the open port; sends the engine's messages and reads the
// little that comes back.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/notices.h"
#include "base/result.h"
#include "link/link_state.h"
#include "link/wire_message.h"
#include "link/port.h"
#include "link/rate_meter.h"
#include "link/thread_priority.h"
#include "link/watched_port.h"

namespace kestrova {

class Transmitter;

// What the link asks of the layers above it. Each is told the last message
// the rig took (nothing when it took none), which is where it stands.
struct LinkHooks {
    // The port was lost: every motion stops there.
    std::function<void(const std::optional<Decoded>& last_taken)> port_lost;
    // The rig stopped reading: every motion stops there, as Stop stops it;
    // told again at every step until the rig reads.
    std::function<void(const std::optional<Decoded>& last_taken)> rig_not_reading;
};

class Link {
public:
    Link(LinkState& state, Notices& notices, std::unique_ptr<PortOpener> opener);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    void set_hooks(LinkHooks hooks) { hooks_ = std::move(hooks); }

    // Open `device` and go on line. On failure the previous port stays in use
    // (or the program stays off line) and the reason also goes to the status bar.
    Result<> go_online(const std::string& device);
    void go_offline();
    bool online() const { return port_ != nullptr; }
    Port* port() { return port_.get(); }
    PortOpener* opener() { return opener_.get(); }

    // Messages go out through `t` at its own deadlines instead of at once.
    // nullptr sends directly again.
    void set_transmitter(Transmitter* t);

    // The engine's first step: a rig that stopped or started reading again
    // noticed, everything received, and a backlog over the limit emptied.
    // Returns the first received byte, if any.
    std::optional<std::uint8_t> receive();
    // One message, while on line.
    void send(const Message& m);
    // How the sending thread is scheduled and why (the status bar shows the first).
    PriorityOutcome priority() const;

private:
    bool check_lost();
    void lose();
    void watch_flow();
    void refresh_rate();

    LinkState& state_;
    Notices& notices_;
    LinkHooks hooks_;
    std::unique_ptr<PortOpener> opener_;
    std::unique_ptr<WatchedPort> port_;
    bool stall_reported_ = false;
    Transmitter* transmitter_ = nullptr;
    RateMeter meter_;
};

}  // namespace kestrova
