#include "link/pacing_clock.h"

#include <thread>

namespace kestrova {

namespace {

// A wake-up this close before its deadline is spun off with `yield`; an
// earlier one waits again, so the spin never costs much CPU.
constexpr auto max_spin = std::chrono::microseconds(200);

class SteadyPacingClock final : public PacingClock {
public:
    TimePoint now() override { return std::chrono::steady_clock::now(); }
    bool wait_until(TimePoint t, std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
                    const bool& stopping) override {
        for (;;) {
            if (wake.wait_until(lock, t, [&stopping] { return stopping; })) return false;
            // Waiting on the condition can wake a little early on some systems.
            const auto left = t - now();
            if (left <= TimePoint::duration::zero()) return true;
            if (left > max_spin) continue;
            while (now() < t) std::this_thread::yield();
            return true;
        }
    }
};

}  // namespace

PacingClock& steady_pacing_clock() {
    static SteadyPacingClock clock;
    return clock;
}

}  // namespace kestrova
