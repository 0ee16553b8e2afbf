#include <gtest/gtest.h>

#include <future>

#include "core/link/fake_port.h"
#include "link/paced_sender.h"

using namespace kestrova;
using namespace std::chrono_literals;
using test_support::FakeLine;
using test_support::FakePort;

namespace {

// Time that passes only when the sender waits; a wake-up can be scripted to
// come late, as after a stalled system.
struct ScriptedClock : PacingClock {
    TimePoint t{};
    std::vector<std::chrono::milliseconds> late;  // per sleep, in order
    std::size_t sleeps = 0;
    TimePoint now() override { return t; }
    bool wait_until(TimePoint d, std::unique_lock<std::mutex>&, std::condition_variable&, const bool& stopping) override {
        if (stopping) return false;
        t = std::max(t, d);
        if (sleeps < late.size()) t += late[sleeps];
        ++sleeps;
        return true;
    }
};

// Notes the clock's time of every write.
struct TimedPort : FakePort {
    TimedPort(ScriptedClock& c) : FakePort("/dev/rig", std::make_shared<FakeLine>()), clock(c) {}
    Result<Written> write(std::span<const std::uint8_t> bytes) override {
        at.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(clock.now().time_since_epoch()).count());
        return FakePort::write(bytes);
    }
    ScriptedClock& clock;
    std::vector<long long> at;
};

}  // namespace

TEST(PacedSender, KeepsToTheGridAndSkipsDeadlinesMissedInAStall) {
    ScriptedClock clock;
    clock.late = {0ms, 0ms, 130ms};  // the third wake-up comes 130 ms late
    TimedPort port(clock);
    PacedSender sender(40ms, clock);
    sender.attach(&port);
    Message m;
    m.size = 5;
    sender.put(m);
    int deadlines = 0;
    std::promise<void> fifth;
    sender.start([&] {
        if (++deadlines != 5) return;
        sender.stop();
        fifth.set_value();
    });
    fifth.get_future().wait();
    sender.stop();
    // 40, 80, then 120 sent at 250; 160, 200 and 240 are gone, the grid goes on at 280.
    EXPECT_EQ(port.at, (std::vector<long long>{40, 80, 250, 280, 320}));
    const RateFigures f = sender.figures();
    EXPECT_EQ(f.repeated, 4u);  // one message put, sent five times
    EXPECT_EQ(f.per_second, 5);
    EXPECT_EQ(f.worst_late_ms, 130);
}
