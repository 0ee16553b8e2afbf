#include "link/rate_meter.h"

#include <algorithm>

namespace kestrova {

void RateMeter::record(Clock::time_point deadline, Clock::time_point sent) {
    ring_[next_] = Entry{sent, std::max(Clock::duration::zero(), sent - deadline)};
    next_ = (next_ + 1) % capacity;
    count_ = std::min(count_ + 1, capacity);
}

RateFigures RateMeter::figures(Clock::time_point now) const {
    RateFigures f;
    const auto window_start = now - std::chrono::seconds(1);
    Clock::duration worst{};
    int n = 0;
    for (std::size_t i = 0; i < count_; ++i) {
        const Entry& e = ring_[(next_ + capacity - 1 - i) % capacity];
        if (e.sent <= window_start) break;
        ++n;
        worst = std::max(worst, e.late);
    }
    f.per_second = n;
    f.worst_late_ms = std::chrono::duration<double, std::milli>(worst).count();
    return f;
}

std::vector<RateMeter::Entry> RateMeter::recent() const {
    std::vector<Entry> held;
    held.reserve(count_);
    for (std::size_t i = count_; i > 0; --i) held.push_back(ring_[(next_ + capacity - i) % capacity]);
    return held;
}

}  // namespace kestrova
