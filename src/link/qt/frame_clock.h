#pragma once

#include <QObject>
#include <atomic>
#include <functional>

#include "link/paced_sender.h"
#include "link/qt/realtime_kit_broker.h"

namespace kestrova {

class Link;

// The 40 ms clock. Its deadlines are absolute (frame k at start + k x 40 ms on
// the monotonic clock) and kept by a thread of its own, which also writes each
// message at its deadline; `tick` (the engine step) runs on the window's
// thread right after each deadline and parks the next message. A window thread
// that is busy past a deadline delays no message: the previous one goes out
// again and the engine continues with the next step, not with a burst.
class FrameClock : public QObject {
    Q_OBJECT
public:
    FrameClock(std::function<void()> tick, QObject* parent = nullptr);
    ~FrameClock() override;
    // Messages of `link` go out at the clock's deadlines.
    void pace(Link& link);
    void start();
    void stop();
    PacedSender& sender() { return sender_; }

private:
    std::function<void()> tick_;
    RealtimeKitBroker broker_;
    PacedSender sender_;
    Link* link_ = nullptr;
    std::atomic<bool> tick_pending_{false};
};

}  // namespace kestrova
