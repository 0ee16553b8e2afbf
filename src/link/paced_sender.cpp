#include "link/paced_sender.h"

#include <pthread.h>

namespace kestrova {

PacedSender::PacedSender(Clock::duration period) : period_(period) {}

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

PriorityOutcome PacedSender::priority() {
    std::lock_guard lock(mutex_);
    return priority_;
}

RateFigures PacedSender::figures() {
    std::lock_guard lock(mutex_);
    RateFigures f = meter_.figures(Clock::now());
    f.repeated = repeated_;
    return f;
}

bool PacedSender::wait_for(std::unique_lock<std::mutex>& lock, Clock::time_point deadline) {
    for (;;) {
        if (wake_.wait_until(lock, deadline, [this] { return stopping_; })) return false;
        // Waiting on the condition can wake a little early on some systems.
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return true;
        if (left > max_spin) continue;
        while (Clock::now() < deadline) std::this_thread::yield();
        return true;
    }
}

void PacedSender::run() {
    ::pthread_setname_np(::pthread_self(), "kestrova-send");
    const Clock::time_point start = Clock::now();
    long long k = 0;
    std::unique_lock lock(mutex_);
    tid_ = current_tid();
    wake_.notify_all();
    while (!stopping_) {
        const Clock::time_point deadline = start + (k + 1) * period_;
        if (!wait_for(lock, deadline)) break;
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
