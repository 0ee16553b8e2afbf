// A started program on line to an in-memory line, stepped tick by tick.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/link/fake_port.h"
#include "engine/controls.h"
#include "link/link.h"
#include "link/wire_message.h"
#include "started_app.h"

namespace kestrova::test_support {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app->link().go_online("/dev/rig")); }
    EngineState& e() { return rig.engine(); }
    PlaybackState& play() { return e().play; }
    PositioningState& ps() { return e().positioning; }
    AxisSettings& axes() { return rig.axes(); }
    Panel& panel() { return rig.panel(); }
    Notices& notices() { return rig.notices(); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) app->tick();
    }
    // What `seen` reads after each of n ticks.
    template <class F>
    auto per_tick(int n, F seen) {
        std::vector<decltype(seen())> out;
        for (int i = 0; i < n; ++i) {
            tick();
            out.push_back(seen());
        }
        return out;
    }
    Decoded last() {
        EXPECT_FALSE(line->sent.empty());
        auto d = decode_message(line->sent.back());
        EXPECT_TRUE(d.has_value());
        return d.value_or(Decoded{});
    }
    // The rig already stands where the engine thinks it does.
    void stand_at(std::array<double, move_axes> p) {
        for (std::size_t a = 0; a < move_axes; ++a) e().curpos[a] = e().lastpos[a] = e().last_sent[a] = p[a];
    }
    void play_from(int frame) {
        EXPECT_TRUE(e().mode == EngineMode::Playing || enter(e().mode, EngineMode::Playing));
        play().playframe = frame;
    }

    std::shared_ptr<FakeLine> line = std::make_shared<FakeLine>();
    std::shared_ptr<FakeLine> other = std::make_shared<FakeLine>();
    StartedApp rig{std::make_unique<FakeOpener>(
        std::map<std::string, std::shared_ptr<FakeLine>>{{"/dev/rig", line}, {"/dev/ttyS2", other}})};
    App* app = &rig.app;
};

}  // namespace kestrova::test_support
