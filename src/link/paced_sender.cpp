#include "link/paced_sender.h"

#include <pthread.h>
#include <sched.h>

namespace kestrova {

PacedSender::PacedSender(Clock::duration period) : period_(period) {}

PacedSender::~PacedSender() { stop(); }

void PacedSender::start(std::function<void()> after_send) {
    stop();
    after_send_ = std::move(after_send);
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this] { run(); });
    // A real-time class where the system grants it (root or CAP_SYS_NICE);
    // otherwise the ordinary class, which still keeps the deadlines absolute.
    sched_param sp{};
    sp.sched_priority = 10;
    realtime_ = ::pthread_setschedparam(thread_.native_handle(), SCHED_FIFO, &sp) == 0;
}

void PacedSender::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void PacedSender::attach(Port* port) {
    std::lock_guard lock(mutex_);
    port_ = port;
    fresh_ = false;
    parked_.size = 0;
    meter_.clear();
    repeated_ = 0;
}

void PacedSender::put(const Message& m) {
    std::lock_guard lock(mutex_);
    parked_ = m;
    fresh_ = true;
}

RateFigures PacedSender::figures() {
    std::lock_guard lock(mutex_);
    RateFigures f = meter_.figures(Clock::now());
    f.repeated = repeated_;
    return f;
}

void PacedSender::run() {
    const Clock::time_point start = Clock::now();
    long long k = 0;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        const Clock::time_point deadline = start + (k + 1) * period_;
        if (wake_.wait_until(lock, deadline, [this] { return stopping_; })) break;
        // Waiting on the condition can wake a little early on some systems.
        while (Clock::now() < deadline) std::this_thread::yield();
        if (port_ && parked_.size > 0) {
            if (!fresh_) ++repeated_;
            fresh_ = false;
            if (taken(port_->write(parked_.view()))) meter_.record(deadline, Clock::now());
        }
        // Keep to the grid: deadlines already missed are skipped, not sent in a burst.
        const auto now = Clock::now();
        k = std::max(k + 1, static_cast<long long>((now - start) / period_));
        lock.unlock();
        if (after_send_) after_send_();
        lock.lock();
    }
}

}  // namespace kestrova
