// Every legal mode change is taken; every other one is refused, says why and leaves the mode.
#include <gtest/gtest.h>

#include "engine/engine_mode.h"
#include "engine/messages.h"

using namespace kestrova;

TEST(EngineMode, TakesEveryLegalTransitionAndRefusesTheRestSayingWhy) {
    // Row: from, column: to, both in the enum's order; 'x' is legal.
    const char* const legal[engine_mode_count] = {
        "xxxx.x.",  // Idle: anything but a run's step
        "xxxx...",  // Positioning: a new ramp replaces it; back at the start of a loop it plays
        "xxxx..x",  // GoingToFrame: a run started while it ramps takes it as its step
        "x...x..",  // Playing: only Stop, the end or the loop's return
        "xxxx...",  // LoopingBack
        "x.....x",  // SingleFrame: its steps, or Stop
        "x.x..xx",  // SingleFrameStep: arrives, steps again, or the run ends while it ramps
    };
    constexpr auto count = static_cast<std::size_t>(engine_mode_count);
    for (std::size_t f = 0; f < count; ++f)
        for (std::size_t t = 0; t < count; ++t) {
            const auto from = static_cast<EngineMode>(f), to = static_cast<EngineMode>(t);
            EngineMode mode = from;
            const Result<> r = enter(mode, to);
            const bool ok = legal[f][t] == 'x';
            EXPECT_EQ(mode, ok ? to : from) << mode_name(from) << " -> " << mode_name(to);
            if (!ok) {
                EXPECT_NE(r.error().find("Stop"), std::string::npos) << r.error();
            }
        }
    EXPECT_EQ(can_enter(EngineMode::Playing, EngineMode::Positioning).error(), engine_msg::stop_play_first);
}
