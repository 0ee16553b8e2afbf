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

#include "link/messages.h"
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
    using Clock = std::chrono::steady_clock;
    explicit PacedSender(Clock::duration period = std::chrono::milliseconds(40));
    ~PacedSender() override;
    PacedSender(const PacedSender&) = delete;
    PacedSender& operator=(const PacedSender&) = delete;

    // Who raises the thread when it starts: `direct` first, then `broker` (may be null).
    void raise_with(ThreadPriorityBroker* broker, DirectPriorityRequest direct = request_fifo);
    // Starts the thread and raises it; `after_send` runs on it after every
    // deadline (also when nothing is attached) and must only hand work to another thread.
    void start(std::function<void()> after_send);
    void stop();

    void attach(Port* port) override;
    void put(const Message& m) override;
    RateFigures figures() override;
    PriorityOutcome priority() override;

    // A wake-up this close before its deadline is spun off with `yield`; an
    // earlier one waits again, so the spin never costs much CPU.
    static constexpr auto max_spin = std::chrono::microseconds(200);

private:
    void run();
    // False when stopping.
    bool wait_for(std::unique_lock<std::mutex>& lock, Clock::time_point deadline);

    Clock::duration period_;
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
