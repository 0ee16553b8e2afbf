// Sends the engine's messages at exact times from a thread of its own, so that
// message k goes out at start + k x period however busy the window's thread is.
//
// The engine keeps running on the window's thread: after each send the clock
// asks that thread (through `after_send`) for one engine step, whose message is
// parked here and goes out at the next deadline. Only the parked message, the
// attached port and the figures are shared, under one mutex. When the window's
// thread is stalled past a deadline, the last message is sent again (the rig
// holds still) and counted as repeated; the engine never runs steps in a burst
// to catch up, which would make the rig jump.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "link/wire_message.h"
#include "link/pacing_clock.h"
#include "link/port.h"
#include "link/rate_meter.h"
#include "link/thread_priority.h"

namespace kestrova {

// Where the link puts its messages when they are sent on a clock of their own.
class Transmitter {
public:
    virtual ~Transmitter() = default;
    // The port to write to, or nullptr. Returns once no write to the old port is in flight.
    virtual void attach(Port* port) = 0;
    // The message for the next deadline.
    virtual void put(const Message& m) = 0;
    virtual RateFigures figures() = 0;
    // How the sending thread is scheduled, and why.
    virtual PriorityOutcome priority() = 0;
};

class PacedSender : public Transmitter {
public:
    using Duration = std::chrono::steady_clock::duration;
    explicit PacedSender(Duration period = std::chrono::milliseconds(40),
                         PacingClock& clock = steady_pacing_clock());
    ~PacedSender() override;
    PacedSender(const PacedSender&) = delete;
    PacedSender& operator=(const PacedSender&) = delete;

    // Who raises the thread when it starts: `direct` first, then `broker` (may be null).
    void raise_with(ThreadPriorityBroker* broker, DirectPriorityRequest direct = request_fifo);
    // Starts the thread and raises it; `after_send` runs on it after every
    // deadline (also when nothing is attached) and must only hand work to another thread.
    void start(std::function<void()> after_send);
    // Called from `after_send` it only asks: the thread ends when `after_send` returns.
    void stop();

    void attach(Port* port) override;
    void put(const Message& m) override;
    RateFigures figures() override;
    PriorityOutcome priority() override;
    std::vector<RateMeter::Entry> recent_sends();

private:
    void run();

    Duration period_;
    PacingClock& clock_;
    std::function<void()> after_send_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    ThreadPriorityBroker* broker_ = nullptr;
    DirectPriorityRequest direct_ = request_fifo;
    pid_t tid_ = 0;
    PriorityOutcome priority_;
    Port* port_ = nullptr;
    Message parked_;
    bool fresh_ = false;
    RateMeter meter_;
    unsigned repeated_ = 0;
};

}  // namespace kestrova
