// The time the paced sender keeps to. The program uses the monotonic clock and
// waits on the sender's condition; a test can script the clock and so check
// the deadline grid without waiting for it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kestrova {

class PacingClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~PacingClock() = default;
    virtual TimePoint now() = 0;
    // Returns true at `t` or later, never earlier. `lock` is held except while
    // waiting on `wake`; a notify that finds `stopping` set ends the wait: false.
    virtual bool wait_until(TimePoint t, std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
                            const bool& stopping) = 0;
};

// The monotonic clock; one instance serves every sender.
PacingClock& steady_pacing_clock();

}  // namespace kestrova
