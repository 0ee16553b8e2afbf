#include "link/qt/frame_clock.h"

#include <QMetaObject>

#include "link/link.h"

namespace kestrova {

FrameClock::FrameClock(std::function<void()> tick, QObject* parent) : QObject(parent), tick_(std::move(tick)) {
    sender_.raise_with(&broker_);
}

FrameClock::~FrameClock() {
    stop();
    if (link_) link_->set_transmitter(nullptr);
}

void FrameClock::pace(Link& link) {
    link_ = &link;
    link.set_transmitter(&sender_);
}

void FrameClock::start() {
    sender_.start([this] {
        // At most one step waits on the window's thread: a stall never turns
        // into a burst of steps afterwards.
        if (tick_pending_.exchange(true)) return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                tick_pending_ = false;
                tick_();
            },
            Qt::QueuedConnection);
    });
}

void FrameClock::stop() { sender_.stop(); }

}  // namespace kestrova
