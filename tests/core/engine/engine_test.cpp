#include "core/engine/engine_fixture.h"
#include "axes/controls.h"
#include "engine/frame_engine.h"
#include "engine/messages.h"
#include "engine/time_code.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

TEST_F(EngineTest, IdleStepSendsTheLongPositionMessageAResetOnceAndNeverMovesFurtherThanMaxSpeed) {
    axes().max[3] = 100000;
    stand_at({1000, -1, 0, 70000, -256});
    tick(2);
    const std::vector<std::uint8_t> want = {0x07, 0x00, 0x03, 0xE8, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                            0x00, 0x01, 0x11, 0x70, 0xFF, 0xFF, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(line->sent, decltype(line->sent)(2, want));

    e().curpos[0] = 0;  // Zero All: a re-reference, not a move
    rig.link_status().resetreq = true;
    tick(2);
    ASSERT_EQ(line->sent.size(), 4u);
    EXPECT_EQ(line->sent[2][0], lead_reset);
    EXPECT_EQ(last().lead, lead_position);
    EXPECT_EQ(last().pos[0], 0);

    // A Stop during play-back: the present position is the frame reached,
    // while the previous tick's copy still holds the pre-play position.
    axes().mSpeed[0] = 100;
    stand_at({0, 0, 0, 0, 0});
    rig.move().movepos.at(1, 0) = 1000;
    e().last_sent[0] = 950;  // the previous frame message
    play_from(1);
    tick();
    EXPECT_EQ(last().pos[0], 1000);
    ASSERT_TRUE(enter(e().mode, EngineMode::Idle));
    // Standing still sends no jump; a typed jump is taken in steps of the maximum speed.
    for (const auto [at, sent] : {std::array{1000, 1000}, {1350, 1100}, {700, 1000}}) {
        e().curpos[0] = at;
        tick();
        EXPECT_EQ(last().pos[0], sent) << at;
    }
}

TEST_F(EngineTest, JogAcceleratesToTheFSpeedCoastsAfterTheReleaseAndStopsAtTheLimits) {
    axes().acc[0] = 2;
    axes().FSpeed[0] = 5;
    axes().acc[1] = 10;
    axes().FSpeed[1] = 35;
    axes().max[1] = 100;
    e().jog.speed = {0, 1};     // B as after "enable F keys"
    e().jog.fkeydown[0] = true;  // F1: axis A down
    e().jog.fkeydown[3] = true;  // F4: axis B up
    const unsigned said = notices().status_serial;
    using Pair = std::array<double, 2>;
    // A moves down by 2, 4, 5, 5, 5; B's speed climbs by its acceleration to the F speed.
    EXPECT_EQ(per_tick(5, [&] { return Pair{e().curpos[0], e().jog.speed[1]}; }),
              (std::vector<Pair>{{-2, 11}, {-6, 21}, {-11, 31}, {-16, 35}, {-21, 35}}));
    EXPECT_EQ(panel().text(ctl::position_boxes[0]), "-21");
    EXPECT_EQ(last().pos[1], 100);  // 133 by the speeds, held at the limit
    EXPECT_EQ(notices().status_serial, said);  // nothing is said per step at the limit

    e().jog.fkeydown[0] = false;
    e().jog.fkeyup[0] = true;
    // It coasts on by 3 and 1 and then stops, and only then is the release done.
    EXPECT_EQ(per_tick(3, [&] { return Pair{e().curpos[0], double(e().jog.fkeyup[0])}; }),
              (std::vector<Pair>{{-24, 1}, {-25, 1}, {-25, 0}}));
    // A slow-down that ends between -1 and 0 is still taken: the axis steps back by it.
    e().jog.speed[0] = 1.5;
    e().jog.fkeyup[0] = true;
    tick();
    EXPECT_EQ(e().curpos[0], -24.5);
    EXPECT_TRUE(e().jog.fkeyup[0]);
}

TEST_F(EngineTest, ShortFrameMessagesMarkFramesTwoSixTen) {
    rig.link_status().smallversionbit = true;
    for (int f = 1; f <= 12; ++f) rig.move().movepos.at(f, 0) = 100 * f;
    stand_at({100, 0, 0, 0, 0});
    play_from(1);
    for (int f = 1; f <= 11; ++f) {
        tick();
        const auto& m = line->sent.back();
        ASSERT_EQ(m.size(), 5u);
        EXPECT_EQ(m[0], lead_frame);
        EXPECT_EQ(decode_position(&m[1]), 100 * f);
        EXPECT_EQ(m[4], (f == 2 || f == 6 || f == 10) ? 0xA5 : 0x00) << "frame " << f;
    }
    // Play-back leaves the present positions alone; the boxes follow the targets.
    EXPECT_EQ(e().curpos[0], 100);
    EXPECT_EQ(panel().text(ctl::position_boxes[0]), "1100");
}

TEST_F(EngineTest, SlowPlayBackTakesPlaydivStepsPerFrame) {
    auto& mp = rig.move().movepos;
    mp.at(1, 0) = 10;
    mp.at(2, 0) = 20;
    mp.at(2, 1) = -7;
    play().playdiv = 2;
    play().divcount = 0;
    axes().pp_rev[1] = 2;
    axes().unit[1] = "°";
    play_from(1);
    // A and B as sent, the frame played next, the Speed column of A (pulses/frame) and B (units/s).
    using Sent = std::tuple<int, int, int, std::string, std::string>;
    EXPECT_EQ(per_tick(4, [&] {
                  return Sent{last().pos[0], last().pos[1], play().playframe, panel().text(ctl::axis_speed_boxes[0]),
                              panel().text(ctl::axis_speed_boxes[1])};
              }),
              (std::vector<Sent>{{5, 0, 1, "5", ""},
                                 {10, 0, 2, "5", ""},
                                 {15, -4, 2, "5", "-43.75 °/s"},  // -3.5 goes to the even -4
                                 {20, -7, 3, "5", "-43.75 °/s"}}));
    EXPECT_EQ(panel().text(ctl::position_unit_labels[1]), "-3.50 °");
}

TEST_F(EngineTest, EndOfMoveStopsInTheStepThatPlaysTheLastFrame) {
    rig.move().movepos.at(1500, 0) = 100.7;
    rig.move().movepos.at(1500, 4) = -3.2;
    play_from(1500);
    // The frame's message, then the position where the rig stopped.
    using Sent = std::pair<std::uint8_t, int>;
    EXPECT_EQ(per_tick(2, [&] { return Sent{last().lead, last().pos[0]}; }),
              (std::vector<Sent>{{lead_frame, 101}, {lead_position, 100}}));
    EXPECT_EQ(e().mode, EngineMode::Idle);
    EXPECT_EQ(e().curpos[4], -4);
    EXPECT_EQ(panel().at(ctl::frame_scroll_bar).value, 32767);
}

TEST_F(EngineTest, SoundSyncHoldsTheFrameUntilTheMarkerArrivesFirst) {
    rig.move().movepos.at(5, 0) = 55;
    e().sound_sync = {.soundsync = true, .soundsynced = false, .synccount = 0};
    play_from(5);
    tick(4);
    EXPECT_EQ(play().playframe, 5);
    for (const auto& m : line->sent) EXPECT_EQ(decode_message(m)->pos[0], 55);
    // The marker counts only as the first byte; once synced, play runs on.
    const std::pair<std::vector<std::uint8_t>, int> steps[] = {
        {{0x01, sound_sync_marker}, 5}, {{sound_sync_marker, 0x01}, 6}, {{}, 7}};
    for (const auto& [in, frame] : steps) {
        line->inbox = in;
        tick();
        EXPECT_EQ(play().playframe, frame);
    }
}

TEST_F(EngineTest, PlayBackTargetsAreClampedAndReportedOncePerPlay) {
    for (int f = 1; f <= 3; ++f) rig.move().movepos.at(f, 0) = 60000;
    stand_at({50000, 0, 0, 0, 0});
    play_from(1);
    const unsigned before = notices().status_serial;
    tick(3);
    EXPECT_EQ(last().pos[0], 50000);
    EXPECT_EQ(notices().status, engine_msg::target_clamped);
    EXPECT_EQ(notices().status_serial, before + 1);
}

TEST_F(EngineTest, ShowsTheFrameAsTimeCodeAndThePageOfTheTarget) {
    rig.move().curframe = 1537;
    ps().gototarget = 2001 + 16 * 7 + 5;
    tick();
    EXPECT_EQ(panel().text(ctl::time_code_copy), "00:01:01:12");
    EXPECT_EQ(panel().text(ctl::page_display), "7");
    EXPECT_EQ(time_code(1499), "00:00:59:24");
    EXPECT_EQ(time_code(1500), "00:01:00:00");
    EXPECT_FALSE(time_code(32768));
}

TEST_F(EngineTest, ALimitLoweredUnderAnAxisBringsItInByARampNotAJumpAndSaysSoOnce) {
    stand_at({900, 0, 0, 0, 0});  // maximum speed 101, acceleration 10
    axes().max[0] = 100;
    const unsigned before = notices().status_serial;
    std::vector<int> at = per_tick(60, [&] { return last().pos[0]; });
    EXPECT_EQ(at.back(), 100);
    EXPECT_NE(e().mode, EngineMode::Positioning);
    // From standstill: the first moving steps are one and two accelerations long.
    const auto first = std::find_if(at.begin(), at.end(), [](int p) { return p != 900; });
    ASSERT_LT(first + 1, at.end());
    EXPECT_EQ(first[0], 890);
    EXPECT_EQ(first[1], 870);
    for (std::size_t i = 1; i < at.size(); ++i) EXPECT_LE(std::abs(at[i] - at[i - 1]), 101);
    EXPECT_EQ(notices().status, engine_msg::brought_into_limits("A"));
    EXPECT_EQ(notices().status_serial, before + 1);
}
