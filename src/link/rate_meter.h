// Message rate and worst lateness over the last second, from the send times.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <vector>

namespace kestrova {

struct RateFigures {
    double per_second = 0;
    double worst_late_ms = 0;
    unsigned repeated = 0;  // messages sent again because no new one was ready
};

class RateMeter {
public:
    using Clock = std::chrono::steady_clock;
    struct Entry {
        Clock::time_point sent;
        Clock::duration late;
    };
    // A message meant for `deadline` went out at `sent`.
    void record(Clock::time_point deadline, Clock::time_point sent);
    RateFigures figures(Clock::time_point now) const;
    void clear() { count_ = 0; }
    // The sends still held, oldest first: for measuring the clock over a longer run.
    std::vector<Entry> recent() const;

private:
    // More than a second's worth at 25 messages per second.
    static constexpr std::size_t capacity = 64;
    std::array<Entry, capacity> ring_{};
    std::size_t next_ = 0;
    std::size_t count_ = 0;
};

}  // namespace kestrova
