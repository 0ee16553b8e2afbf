#include <gtest/gtest.h>

#include "shaping/bezier_path.h"
#include "shaping/messages.h"
#include "shell/app.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Rig {
    test_support::TempDir dir;
    App app{dir.path()};
    explicit Rig(int frames = 101) {
        app.start();
        app.type("Text2", std::to_string(frames));
        app.press("Command21");
    }
    MoveModel& m() { return app.state().move; }
    // The same frame and position on every axis.
    void key(int frame, int pos) {
        for (int a = 0; a < move_axes; ++a) {
            m().frame_of(a, m().nextkf) = frame;
            m().pos_of(a, m().nextkf) = pos;
        }
        ++m().nextkf;
    }
    double at(int f, int axis = 0) { return m().movepos.at(f, axis); }
};

}  // namespace

TEST(Bezier, SampleCountsFollowTheSinglePrecisionSumOfSteps) {
    EXPECT_EQ(bezier_sample_count(10), 9);
    EXPECT_EQ(bezier_sample_count(12), 12);
    EXPECT_EQ(bezier_sample_count(1), 0);
    EXPECT_EQ(bezier_sample_count(0), 0);
}

TEST(Bezier, PointIsTheCubicInSinglePrecision) {
    EXPECT_FLOAT_EQ(bezier_point(0.0f, 3, 5, 7, 9), 3);
    EXPECT_FLOAT_EQ(bezier_point(1.0f, 3, 5, 7, 9), 9);
    EXPECT_FLOAT_EQ(bezier_point(0.5f, 0, 0, 1000, 1000), 500);
    EXPECT_FLOAT_EQ(bezier_point(0.25f, 0, 1, 2, 3), 0.75f);  // evenly spaced points: a straight line
}

TEST(Bezier, TwoKeyframesMakeAnSCurveThatStartsAndEndsAtRest) {
    Rig r;
    r.key(1, 0);
    r.key(101, 1000);
    r.app.press("Command5");
    EXPECT_DOUBLE_EQ(r.at(1), 0);
    EXPECT_DOUBLE_EQ(r.at(101), 1000);
    EXPECT_NEAR(r.at(51), 500, 1);
    // Slow at both ends, fastest in the middle.
    const double middle = r.at(52) - r.at(51);
    EXPECT_LT(r.at(2) - r.at(1), middle / 10);
    EXPECT_LT(r.at(101) - r.at(100), middle / 10);
    for (int f = 2; f <= 101; ++f) EXPECT_GE(r.at(f), r.at(f - 1)) << f;
}

TEST(Bezier, MiddleTangentIsTheMeanOfTheSlopes) {
    Rig r(201);
    r.key(1, 0);
    r.key(101, 1000);
    r.key(201, 2000);
    r.app.press("Command5");
    // Equal slopes: the path runs straight through the middle keyframe.
    EXPECT_NEAR(r.at(100), 990, 2);
    EXPECT_NEAR(r.at(102), 1010, 2);

    Rig peak(201);
    peak.key(1, 0);
    peak.key(101, 1000);
    peak.key(201, 0);
    peak.app.press("Command5");
    // Mean of +10 and -10 is 0: flat at the peak.
    EXPECT_NEAR(peak.at(100), 1000, 1);
    EXPECT_NEAR(peak.at(102), 1000, 1);
}

TEST(Bezier, FlatExtremesIncludeAnEqualNeighbour) {
    Rig r(201);
    r.key(1, 0);
    r.key(101, 0);  // same as its predecessor: a trough once extremes are flat
    r.key(201, 2000);
    r.app.press("Command5");
    EXPECT_LT(r.at(95), -1);  // the mean slope of 0 and 20 dips the path before the keyframe
    r.app.press("Command20");
    EXPECT_TRUE(r.app.state().shaping.bzsmooth);
    for (int f = 1; f <= 100; ++f) EXPECT_DOUBLE_EQ(r.at(f), 0) << f;  // flat: no dip
    EXPECT_NEAR(r.at(101), 0, 1e-3);
}

TEST(Bezier, FirstKeyframeLateStillStartsAtFrameOne) {
    Rig r(60);
    r.key(10, 500);
    r.key(50, 900);
    r.app.press("Command5");
    // Sample 1 stands at frame 1 with y(1); frames 2..10 lead towards the first curve sample.
    EXPECT_DOUBLE_EQ(r.m().bzframe[0][0], 1);
    EXPECT_DOUBLE_EQ(r.at(1), 500);
    for (int f = 2; f <= 10; ++f) {
        EXPECT_GT(r.at(f), r.at(f - 1)) << f;
        EXPECT_LT(r.at(f), 501) << f;
    }
    EXPECT_DOUBLE_EQ(r.at(60), 900);
    EXPECT_DOUBLE_EQ(r.at(59), r.at(58));  // past the samples the value is held
}

TEST(Bezier, FewerThanTwoFramesLeavesTheMoveAndSaysWhy) {
    Rig r;
    r.key(10, 5);
    r.key(10, 9);
    r.m().movepos.at(4, 0) = 123;
    r.app.panel().set_text("Text24", "kept");
    r.app.press("Command5");
    EXPECT_EQ(r.app.state().notices.status, shaping_msg::bezier_needs_two_frames);
    EXPECT_DOUBLE_EQ(r.at(4), 123);
    EXPECT_EQ(r.app.panel().text("Text24"), "kept");
}

TEST(Bezier, ZeroLengthSegmentIsSkippedAndThePathRunsFromTheFirstOfThePair) {
    Rig r(201);
    r.key(1, 0);
    r.key(100, 10);
    r.key(100, 20);
    r.key(200, 30);
    r.app.press("Command5");
    EXPECT_NEAR(r.at(100), 10, 0.5);
    EXPECT_DOUBLE_EQ(r.at(201), 30);
    for (int f = 1; f <= 201; ++f) ASSERT_TRUE(std::isfinite(r.at(f))) << f;
}

TEST(Bezier, HandleShareBoxFallsBackToTwenty) {
    Rig r;
    for (const char* bad : {"0", "101", "abc", "-3"}) {
        r.app.type("Text3", "50");
        r.app.type("Text3", bad);
        EXPECT_EQ(r.app.panel().text("Text3"), "20") << bad;
    }
    r.app.type("Text3", "100");
    EXPECT_EQ(handle_share(r.app.state()), 100);
}

TEST(Bezier, SamplesOfEarlierCalculationsStayInTheWorkingRows) {
    Rig r(300);
    r.key(1, 0);
    r.key(250, 2500);
    r.app.press("Command5");
    const double stale = r.m().bzframe[0][200];
    r.m().nextkf = 1;
    r.key(1, 0);
    r.key(50, 500);
    r.app.press("Command5");
    EXPECT_DOUBLE_EQ(r.m().bzframe[0][200], stale);
}

TEST(Bezier, Command13ShowsTheRawSamplesOfAxisA) {
    Rig r;
    r.key(1, 0);
    r.key(101, 1000);
    r.app.press("Command5");
    r.app.press("Command13");
    EXPECT_DOUBLE_EQ(r.at(5), r.m().bzpos[0][4]);
}
