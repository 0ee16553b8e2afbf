#include <gtest/gtest.h>

#include "shaping/bezier_path.h"
#include "shaping/controls.h"
#include "shaping/messages.h"
#include "started_app.h"
#include "graph/controls.h"

using namespace kestrova;

namespace {

struct Rig : test_support::StartedApp {
    explicit Rig(int frames = 101, std::initializer_list<std::pair<int, int>> keyframes = {}) {
        set_length(frames);
        for (auto [frame, pos] : keyframes) put_keyframe(frame, pos);
    }
    double at(int f, int axis = 0) { return move().movepos.at(f, axis); }
    void bezier() { panel().press(ctl::bezier_button); }
};

}  // namespace

TEST(Bezier, SampleCountsFollowTheSinglePrecisionSumOfSteps) {
    EXPECT_EQ(bezier_sample_count(10), 9);
    EXPECT_EQ(bezier_sample_count(12), 12);
    EXPECT_EQ(bezier_sample_count(1), 0);
    EXPECT_FLOAT_EQ(bezier_point(0.5f, 0, 0, 1000, 1000), 500);
}

TEST(Bezier, TwoKeyframesMakeAnSCurveThatStartsAndEndsAtRest) {
    // A share of 25 on 4 frames gives handles of 1 frame: the frame curve's control
    // points are 1, 2, 4, 5, so the samples at t = 1/4, 1/2, 3/4 stand at frames
    // 1.90625, 3 and 4.09375. Both tangents are 0, so their positions are
    // 1000 (3t^2 - 2t^3) = 156.25, 500, 843.75. Frames 2 and 4 lie between samples:
    // 156.25 + 343.75 x 3/35 = 1300/7 and 500 + 343.75 x 32/35 = 5700/7.
    Rig r(5, {{1, 0}, {5, 1000}});
    r.panel().set_text(ctl::handle_share_box, "25");
    r.bezier();
    const double expected[] = {0, 1300.0 / 7, 500, 5700.0 / 7, 1000};
    for (int f = 1; f <= 5; ++f) EXPECT_DOUBLE_EQ(r.at(f), expected[f - 1]) << f;
    r.app.press(ctl::bezier_samples_button);  // the raw samples of axis A, one per row; row 5 holds none
    EXPECT_DOUBLE_EQ(r.at(4), 843.75);
    EXPECT_DOUBLE_EQ(r.at(5), 0);
}

TEST(Bezier, MiddleTangentIsTheMeanOfTheSlopesAndFlatExtremesIncludeAnEqualNeighbour) {
    // Equal slopes: the path runs straight through the middle keyframe. A peak:
    // the mean of +10 and -10 is 0, flat there.
    for (const auto& [end, before, after, near] : {std::tuple{2000, 990, 1010, 2}, {0, 1000, 1000, 1}}) {
        Rig r(201, {{1, 0}, {101, 1000}, {201, end}});
        r.bezier();
        EXPECT_NEAR(r.at(100), before, near) << end;
        EXPECT_NEAR(r.at(102), after, near) << end;
    }

    // Flat extremes include an equal neighbour. The middle keyframe equals its predecessor: a trough when the path then
    // rises, a peak when it falls, once extremes are flat.
    for (const int rise : {2000, -2000}) {
        Rig r(201, {{1, 0}, {101, 0}, {201, rise}});
        r.bezier();
        // The mean slope of 0 and +-20 bends the path away before the keyframe.
        EXPECT_LT(r.at(95) * rise, -1) << rise;
        r.panel().press(ctl::bezier_smooth_button);
        for (int f = 1; f <= 100; ++f) EXPECT_DOUBLE_EQ(r.at(f), 0) << rise << " " << f;  // flat
        EXPECT_NEAR(r.at(101), 0, 1e-3);
    }
}

TEST(Bezier, FirstKeyframeLateStillStartsAtFrameOne) {
    Rig r(60, {{10, 500}, {50, 900}});
    r.bezier();
    // Sample 1 stands at frame 1 with y(1); frames 2..10 lead towards the first curve sample.
    EXPECT_DOUBLE_EQ(r.move().bzframe[0][0], 1);
    EXPECT_DOUBLE_EQ(r.at(1), 500);
    for (int f = 2; f <= 10; ++f) {
        EXPECT_GT(r.at(f), r.at(f - 1)) << f;
        EXPECT_LT(r.at(f), 501) << f;
    }
    EXPECT_DOUBLE_EQ(r.at(60), 900);
    EXPECT_DOUBLE_EQ(r.at(59), r.at(58));  // past the samples the value is held
}

TEST(Bezier, FewerThanTwoFramesLeavesTheMoveAZeroLengthSegmentIsSkippedAndAFarKeyframeStillEnds) {
    Rig r(101, {{10, 5}, {10, 9}});
    r.move().movepos.at(4, 0) = 123;
    r.panel().set_text(ctl::shared_readout_box, "kept");
    r.bezier();
    EXPECT_EQ(r.status(), shaping_msg::bezier_needs_two_frames);
    EXPECT_DOUBLE_EQ(r.at(4), 123);
    EXPECT_EQ(r.panel().text(ctl::shared_readout_box), "kept");

    Rig pair(201, {{1, 0}, {100, 10}, {100, 20}, {200, 30}});
    pair.bezier();  // the path runs from the first of the pair
    EXPECT_NEAR(pair.at(100), 10, 0.5);
    EXPECT_DOUBLE_EQ(pair.at(201), 30);
    for (int f = 1; f <= 201; ++f) ASSERT_TRUE(std::isfinite(pair.at(f))) << f;

    // A segment of 10^8 frames: its single-precision steps stop adding up long
    // before they reach 1, so only the end of the rows can end the sampling.
    Rig far(20, {{1, 0}, {100000000, 1000}});
    far.bezier();
    for (int f = 1; f <= 20; ++f) ASSERT_TRUE(std::isfinite(far.at(f))) << f;
    EXPECT_DOUBLE_EQ(far.at(20), 1000);
}
