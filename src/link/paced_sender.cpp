#include "link/paced_sender.h"

#include <pthread.h>

#include <algorithm>

namespace kestrova {

PacedSender::PacedSender(Duration period, PacingClock& clock) : period_(period), clock_(clock) {}

PacedSender::~PacedSender() { stop(); }

void PacedSender::raise_with(ThreadPriorityBroker* broker, DirectPriorityRequest direct) {
    broker_ = broker;
    direct_ = std::move(direct);
}

void PacedSender::start(std::function<void()> after_send) {
    stop();
    after_send_ = std::move(after_send);
    std::unique_lock lock(mutex_);
    stopping_ = false;
    tid_ = 0;
    thread_ = std::thread([this] { run(); });
    // The broker names threads by their kernel id, which only the thread knows.
    wake_.wait(lock, [this] { return tid_ != 0; });
    const pid_t tid = tid_;
    lock.unlock();
    // Asked from here rather than from the thread: a broker may take a while
    // to answer, and the thread keeps its deadlines meanwhile.
    PriorityOutcome raised = raise_thread(thread_.native_handle(), tid, direct_, broker_);
    lock.lock();
    priority_ = std::move(raised);
}

void PacedSender::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
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

PriorityOutcome PacedSender::priority() {
    std::lock_guard lock(mutex_);
    return priority_;
}

RateFigures PacedSender::figures() {
    std::lock_guard lock(mutex_);
    RateFigures f = meter_.figures(clock_.now());
    f.repeated = repeated_;
    return f;
}

std::vector<RateMeter::Entry> PacedSender::recent_sends() {
    std::lock_guard lock(mutex_);
    return meter_.recent();
}

void PacedSender::run() {
    ::pthread_setname_np(::pthread_self(), "kestrova-send");
    const PacingClock::TimePoint start = clock_.now();
    long long k = 0;  // the next deadline is start + (k + 1) x period
    std::unique_lock lock(mutex_);
    tid_ = current_tid();
    wake_.notify_all();
    while (!stopping_) {
        const PacingClock::TimePoint deadline = start + (k + 1) * period_;
        if (!clock_.wait_until(deadline, lock, wake_, stopping_)) break;
        if (port_ && parked_.size > 0) {
            if (!fresh_) ++repeated_;
            fresh_ = false;
            if (taken(port_->write(parked_.view()))) meter_.record(deadline, clock_.now());
        }
        // Keep to the grid: deadlines already missed are skipped, not sent in a burst.
        k = std::max(k + 1, static_cast<long long>((clock_.now() - start) / period_));
        lock.unlock();
        if (after_send_) after_send_();
        lock.lock();
    }
}

}  // namespace kestrova
