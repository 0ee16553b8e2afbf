#include "core/engine/engine_fixture.h"
#include "link/controls.h"
#include "link/messages.h"
#include "motion/controls.h"
#include "graph/controls.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

// A port that fails to open is the Comm number's case below.
TEST_F(EngineTest, OnLineShowsDeviceAndRateEmptiesABacklogOffLineSendsNothing) {
    EXPECT_EQ(notices().link, link_text::on_line("/dev/rig"));
    tick(3);
    EXPECT_NE(notices().link_rate.find("3.0 msg/s, worst late"), std::string::npos) << notices().link_rate;
    // A receive backlog over the limit is emptied.
    line->waiting = 1000;
    tick();
    EXPECT_EQ(line->cleared, 0);
    line->waiting = 1001;
    tick();
    EXPECT_EQ(line->cleared, 1);

    app->link().go_offline();
    tick(3);
    EXPECT_EQ(line->sent.size(), 5u);
    EXPECT_EQ(notices().link, link_text::off_line);
    EXPECT_TRUE(notices().link_rate.empty());
}

TEST_F(EngineTest, CommNumberPicksTheSystemsNumberedPort) {
    Panel& p = panel();
    const ControlName comm = ctl::comm_entry, number = ctl::comm_number_box;
    app->press(comm);
    EXPECT_TRUE(p.at(ctl::comm_number_box).visible && p.at(ctl::comm_number_label).visible);
    EXPECT_FALSE(p.at(ctl::move_chart).visible);
    EXPECT_EQ(p.text(ctl::comm_number_box), "2");
    app->type(number, "3");
    EXPECT_FALSE(p.at(ctl::comm_number_box).visible);
    EXPECT_TRUE(p.at(ctl::move_chart).visible);
    EXPECT_EQ(notices().link, link_text::on_line("/dev/ttyS2"));
    EXPECT_EQ(rig.link_status().commnum, 2);
    tick();
    EXPECT_EQ(other->sent.size(), 1u);

    // A number that names no port changes nothing.
    const std::pair<const char*, std::string> refused[] = {
        {"x", link_text::bad_comm_number("x")}, {"7", link_text::cannot_open("/dev/ttyS6", "No such file or directory")}};
    for (const auto& [typed, error] : refused) {
        app->press(comm);
        app->type(number, typed);
        EXPECT_EQ(notices().status, error);
        EXPECT_EQ(notices().link, link_text::on_line("/dev/ttyS2"));
        EXPECT_EQ(rig.link_status().commnum, 2);
    }
    tick();
    EXPECT_EQ(other->sent.size(), 2u) << "still sending on the port in use";
}

namespace {

// The rig goes away mid-play, either by a failed write (the port is lost) or by
// no longer reading (the port stays open): motion stops where the rig was, it
// is reported once, and sending resumes at that position with nothing stale.
struct RigGoesAway : EngineTest {
    void check(bool port_lost) {
        for (int f = 1; f <= 100; ++f) rig.move().movepos.at(f, 0) = 10 * f;
        stand_at({10, 0, 0, 0, 0});
        play().looping = !port_lost;  // a rig that stops reading also ends the loop
        play_from(1);
        tick(4);
        ASSERT_EQ(last().pos[0], 40);
        e().jog.fkeydown[1] = true;
        (port_lost ? line->fail_writes : line->not_reading) = true;
        const unsigned before = notices().status_serial;
        tick(10);
        EXPECT_EQ(notices().status, port_lost ? link_text::lost("/dev/rig", "unplugged") : link_text::not_reading("/dev/rig"));
        EXPECT_EQ(notices().status_serial, before + 1);
        EXPECT_EQ(notices().link, port_lost ? link_text::port_lost : link_text::not_reading("/dev/rig"));
        EXPECT_EQ(app->link().online(), !port_lost);
        EXPECT_EQ(rig.link_status().commsoff, port_lost);
        EXPECT_EQ(e().mode, EngineMode::Idle);
        EXPECT_FALSE(play().looping || e().jog.fkeydown[1]);
        EXPECT_EQ(e().curpos[0], 40);  // the last message the rig took
        if (!port_lost) {
            play_from(10);  // nothing moves while the rig does not read
            tick();
            EXPECT_NE(e().mode, EngineMode::Playing);
        }

        // Back: reconnected, or reading again. Nothing starts by itself.
        if (port_lost) {
            line->lost = line->fail_writes = false;
            ASSERT_TRUE(app->link().go_online("/dev/rig"));
        }
        line->not_reading = false;
        const auto sent = line->sent.size();
        ASSERT_EQ(sent, 4u);
        tick(3);
        ASSERT_EQ(line->sent.size(), sent + 3);
        for (std::size_t i = sent; i < sent + 3; ++i) EXPECT_EQ(decode_message(line->sent[i])->pos[0], 40);
        EXPECT_EQ(last().lead, lead_position);
        EXPECT_EQ(notices().link, link_text::on_line("/dev/rig"));
        EXPECT_EQ(notices().status_serial, before + 1);
        EXPECT_NE(e().mode, EngineMode::Playing);
    }
};

}  // namespace

TEST_F(RigGoesAway, AFailedWriteLosesThePort) { check(true); }
TEST_F(RigGoesAway, ARigThatStopsReadingKeepsThePort) { check(false); }

