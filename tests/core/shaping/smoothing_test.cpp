#include <gtest/gtest.h>

#include "shaping/controls.h"
#include "shaping/messages.h"
#include "shaping/smoothing.h"
#include "started_app.h"

using namespace kestrova;

namespace {

struct Rig : test_support::StartedApp {
    explicit Rig(int frames = 20) { set_length(frames); }
    MoveModel& m() { return move(); }
    void smooth(const std::string& width, const std::string& passes) {
        panel().set_text(ctl::smoothing_width_box, width);
        panel().set_text(ctl::smoothing_passes_box, passes);
        panel().press(ctl::smooth_button);
    }
    void step_on_every_axis() {
        for (int f = 1; f <= 20; ++f)
            for (int a = 0; a < move_axes; ++a) m().movepos.at(f, a) = f <= 10 ? 0 : 300;
    }
};

}  // namespace

TEST(Smoothing, OnePassOfWidthOneOnAStepAndCorrectedWithoutKeyframesSmoothsOnly) {
    Rig r;
    r.step_on_every_axis();
    r.m().movepos.at(1, 0) = 60;  // axis A keeps its end frames as they are
    r.m().movepos.at(20, 0) = 600;
    r.smooth("1", "1");
    for (int a = 1; a < move_axes; ++a) {
        EXPECT_DOUBLE_EQ(r.m().movepos.at(10, a), 100) << a;
        EXPECT_DOUBLE_EQ(r.m().movepos.at(11, a), 200) << a;
        EXPECT_DOUBLE_EQ(r.m().movepos.at(1, a), 0) << a;
        EXPECT_DOUBLE_EQ(r.m().movepos.at(20, a), 300) << a;
    }
    EXPECT_DOUBLE_EQ(r.m().movepos.at(1, 0), 60);
    EXPECT_DOUBLE_EQ(r.m().movepos.at(2, 0), 20);  // reads the 60 of the pass's start
    EXPECT_DOUBLE_EQ(r.m().movepos.at(19, 0), 400);
    EXPECT_DOUBLE_EQ(r.m().movepos.at(20, 0), 600);

    // Corrected smoothing without keyframes to correct towards only smooths, twice:
    // three passes in all.
    r.panel().press(ctl::corrected_smooth_button);
    EXPECT_EQ(r.status(), shaping_msg::no_keyframes_to_correct);
    EXPECT_NEAR(r.m().movepos.at(9, 1), 400.0 / 9, 1e-9);
}

TEST(Smoothing, AxisEIsRoundedAfterEveryAdditionAndAtTheEnd) {
    // Axis E of the middle frame after one pass of width 1 over three frames.
    auto middle = [](double v1, double v2, double v3) {
        MoveModel m;
        m.totalframes = 3;
        m.create_tables(3);
        m.movepos.at(1, 4) = v1;
        m.movepos.at(2, 4) = v2;
        m.movepos.at(3, 4) = v3;
        smooth_pass(m, 1);
        return m.movepos.at(2, 4);
    };
    EXPECT_DOUBLE_EQ(middle(0, 1, 1), 1);        // 2/3 rounds to 1
    // Each running sum rounds half to even: 0.5 -> 0, 0 + 0.5 -> 0, 0 + 1 -> 1, and 1/3 -> 0.
    // A plain sum (2/3) or rounding half away from zero (3/3) gives 1.
    EXPECT_DOUBLE_EQ(middle(0.5, 0.5, 1), 0);
}

TEST(Smoothing, ReadoutListsTheFirstThirtyFramesOfAxisA) {
    Rig r(40);
    for (int f = 1; f <= 40; ++f) r.m().movepos.at(f, 0) = 40000 + f;
    r.smooth("1", "1");
    const std::string t = r.panel().text(ctl::smoothing_readout_box);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 30);
    EXPECT_EQ(t.substr(0, 14), "40001\r\n40002\r\n");  // beyond 16 bits is still shown

    Rig short_move(12);
    short_move.smooth("2", "1");
    const std::string s = short_move.panel().text(ctl::smoothing_readout_box);
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 12);
}

TEST(Smoothing, UnusableParametersLeaveTheMoveAndSaySo) {
    struct Case {
        const char* width;
        const char* passes;
        std::string message;
    };
    // Width and passes are each a whole number from 1 to 32767.
    std::vector<Case> cases = {{"21", "1", shaping_msg::width_beyond_move(20)}};
    for (const char* bad : {"0", "0.5", "2.5", "-2", "wide", "", "3x", "32768"}) {
        cases.push_back({bad, "1", shaping_msg::width_not_valid});
        cases.push_back({"1", bad, shaping_msg::passes_not_valid});
    }
    for (const Case& c : cases) {
        Rig r;
        r.step_on_every_axis();
        r.smooth(c.width, c.passes);
        EXPECT_EQ(r.status(), c.message) << c.width << " " << c.passes;
        EXPECT_DOUBLE_EQ(r.m().movepos.at(10, 1), 0);
        EXPECT_TRUE(r.panel().at(ctl::smooth_button).enabled);
    }
    Rig r;
    r.m().movepos.at(5, 4) = 1e9;  // axis E sums beyond 32 bits
    r.smooth("1", "1");
    EXPECT_EQ(r.status(), shaping_msg::axis_e_sum_too_large);
    EXPECT_DOUBLE_EQ(r.m().movepos.at(5, 4), 1e9);

    // A whole-move window on the longest move would freeze the window for minutes.
    r.set_length(32766);
    r.m().movepos.at(100, 1) = 7;
    r.smooth("32766", "1");
    EXPECT_EQ(r.status(), shaping_msg::too_much_work);
    EXPECT_DOUBLE_EQ(r.m().movepos.at(100, 1), 7);
}

TEST(CorrectedSmoothing, PullsTheSmoothedMoveTowardsInnerKeyframes) {
    Rig r(100);
    for (auto [f, p] : {std::pair{10, 0.0}, {20, 0.0}, {50, 1000.0}, {80, 0.0}, {90, 0.0}})
        r.add_keyframe(f, {p, p, p, p, p});
    r.smooth("5", "3");
    const double plain_miss = 1000 - r.m().movepos.at(50, 1);
    r.panel().press(ctl::recalc_button);
    r.panel().press(ctl::corrected_smooth_button);
    const double corrected_miss = 1000 - r.m().movepos.at(50, 1);
    EXPECT_GT(plain_miss, 0);
    EXPECT_LT(std::fabs(corrected_miss), plain_miss);
    EXPECT_DOUBLE_EQ(r.m().kfcorr[1][2], plain_miss);
    // One line per axis for keyframe 3 alone (the first two and last two get
    // none), the whole part of its correction.
    const std::string line = std::to_string(static_cast<long>(std::floor(plain_miss))) + ",3\r\n";
    std::string expected;
    for (int a = 0; a < move_axes; ++a) expected += line;
    EXPECT_EQ(r.panel().text(ctl::shared_readout_box), expected);

    // Corrections persist and keep accumulating until "clear".
    r.panel().press(ctl::corrected_smooth_button);
    EXPECT_GT(r.m().kfcorr[1][2], plain_miss);
    r.panel().press(ctl::clear_corrections_button);
    EXPECT_EQ(r.m().kfcorr[1][2], 0);
}
