#include "core/engine/engine_fixture.h"
#include "link/link_texts.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

TEST_F(EngineTest, OnLineShowsDeviceRateAndLateness) {
    EXPECT_EQ(app->state().notices.link, link_text::on_line("/dev/rig"));
    tick(3);
    EXPECT_NE(app->state().notices.link_rate.find("3.0 msg/s"), std::string::npos)
        << app->state().notices.link_rate;
    EXPECT_NE(app->state().notices.link_rate.find("worst late"), std::string::npos);
}

TEST_F(EngineTest, FailedOpenKeepsThePreviousPort) {
    EXPECT_FALSE(app->link().go_online("/dev/missing"));
    EXPECT_EQ(app->state().notices.status, link_text::cannot_open("/dev/missing", "No such file or directory"));
    EXPECT_EQ(app->state().notices.link, link_text::on_line("/dev/rig"));
    tick();
    EXPECT_EQ(line->sent.size(), 1u);
}

TEST_F(EngineTest, PortLostStopsMotionKeepsPositionsAndIsReportedOnce) {
    auto& s = app->state();
    for (int f = 1; f <= 10; ++f) s.move.movepos.at(f, 0) = 10 * f;
    stand_at({10, 0, 0, 0, 0});
    play_from(1);
    tick(4);
    ASSERT_EQ(last().pos[0], 40);
    e().gotoactive = true;
    app->press("setsingle");
    ASSERT_TRUE(e().sfrun);
    line->lost = true;
    const unsigned before = s.notices.status_serial;
    tick(10);
    EXPECT_EQ(s.notices.link, link_text::port_lost);
    EXPECT_EQ(s.notices.status, link_text::lost("/dev/rig", "unplugged"));
    EXPECT_EQ(s.notices.status_serial, before + 1);
    EXPECT_FALSE(e().running);
    EXPECT_FALSE(e().gotoactive);
    EXPECT_FALSE(e().sfrun);
    EXPECT_EQ(s.panel.text("setsingle"), "S.F. off");
    EXPECT_TRUE(e().commsoff);
    EXPECT_EQ(e().curpos[0], 40);  // where the rig was last told to be
    EXPECT_EQ(e().playframe, 5);
    EXPECT_EQ(s.move.movepos.at(10, 0), 100);

    // Reconnecting sends the same position and starts nothing by itself.
    line->lost = false;
    ASSERT_TRUE(app->link().go_online("/dev/rig"));
    const auto sent = line->sent.size();
    tick(3);
    EXPECT_EQ(line->sent.size(), sent + 3);
    EXPECT_EQ(last().lead, lead_position);
    EXPECT_EQ(last().pos[0], 40);
    EXPECT_FALSE(e().running);
}

TEST_F(EngineTest, WriteFailureLosesThePort) {
    line->fail_writes = true;
    tick(3);
    EXPECT_EQ(app->state().notices.link, link_text::port_lost);
    EXPECT_EQ(app->link().port(), nullptr);
}

TEST_F(EngineTest, CommNumberPicksTheSystemsNumberedPort) {
    Panel& p = panel();
    app->press("comm");
    EXPECT_TRUE(p.at("CommNo").visible);
    EXPECT_TRUE(p.at("Label9").visible);
    EXPECT_FALSE(p.at("MSChart1").visible);
    EXPECT_EQ(p.text("CommNo"), "2");
    app->type("CommNo", "3");
    EXPECT_FALSE(p.at("CommNo").visible);
    EXPECT_TRUE(p.at("MSChart1").visible);
    EXPECT_EQ(app->state().notices.link, link_text::on_line("/dev/ttyS2"));
    EXPECT_EQ(e().commnum, 2);
    tick();
    EXPECT_EQ(other->sent.size(), 1u);

    // A number that names no port changes nothing.
    app->press("comm");
    app->type("CommNo", "x");
    EXPECT_EQ(app->state().notices.status, link_text::bad_comm_number("x"));
    EXPECT_EQ(app->state().notices.link, link_text::on_line("/dev/ttyS2"));
    app->press("comm");
    app->type("CommNo", "7");
    EXPECT_EQ(app->state().notices.status, link_text::cannot_open("/dev/ttyS6", "No such file or directory"));
    EXPECT_EQ(e().commnum, 2);
}
