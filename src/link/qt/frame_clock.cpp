#include "link/qt/frame_clock.h"

namespace kestrova {

FrameClock::FrameClock(std::function<void()> tick, QObject* parent) : QObject(parent), tick_(std::move(tick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, [this] { tick_(); });
}

void FrameClock::start() { timer_.start(); }
void FrameClock::stop() { timer_.stop(); }

}  // namespace kestrova
