#include <gtest/gtest.h>

#include "move/linear_move.h"

using namespace kestrova;

namespace {

MoveModel with_keyframes(std::initializer_list<std::pair<int, int>> rows, int frames = 300) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    for (const auto& [frame, pos] : rows) {
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, m.nextkf) = frame;
            m.pos_of(a, m.nextkf) = pos * (a + 1);
        }
        ++m.nextkf;
    }
    return m;
}

}  // namespace

TEST(LinearMove, RampsFromZeroThenRunsStraightBetweenKeyframes) {
    MoveModel m = with_keyframes({{50, 100}, {150, 300}});
    m.movepos.at(151, 0) = 77;  // after the last keyframe nothing is written
    calculate_linear(m);
    EXPECT_DOUBLE_EQ(m.movepos.at(25, 0), 50);
    EXPECT_DOUBLE_EQ(m.movepos.at(50, 0), 100);
    EXPECT_DOUBLE_EQ(m.movepos.at(51, 0), 102);
    EXPECT_DOUBLE_EQ(m.movepos.at(100, 0), 200);
    EXPECT_DOUBLE_EQ(m.movepos.at(150, 0), 300);
    EXPECT_DOUBLE_EQ(m.movepos.at(151, 0), 77);
    // Every axis follows its own positions.
    EXPECT_DOUBLE_EQ(m.movepos.at(100, 4), 1000);
}

TEST(LinearMove, TwoKeyframesOnOneFrameKeepTheFirstAndNeighbouringFramesHoldTheirOwn) {
    MoveModel m = with_keyframes({{100, 10}, {100, 20}, {200, 30}});
    calculate_linear(m);
    EXPECT_DOUBLE_EQ(m.movepos.at(100, 0), 10);
    EXPECT_DOUBLE_EQ(m.movepos.at(101, 0), 10 + 20.0 / 100);
    EXPECT_DOUBLE_EQ(m.movepos.at(200, 0), 30);

    MoveModel near = with_keyframes({{1, 7}, {2, 9}});
    calculate_linear(near);
    EXPECT_DOUBLE_EQ(near.movepos.at(1, 0), 7);
    EXPECT_DOUBLE_EQ(near.movepos.at(2, 0), 9);
}

TEST(LinearMove, KeyframesAtFrameZeroOrPastTheTableEnd) {
    MoveModel zero = with_keyframes({{0, 50}, {10, 150}});
    zero.movepos.at(1, 0) = -1;
    calculate_linear(zero);
    // No ramp is written: the segment starts at frame 1 from 0.
    EXPECT_DOUBLE_EQ(zero.movepos.at(1, 0), 15);
    EXPECT_DOUBLE_EQ(zero.movepos.at(10, 0), 150);

    MoveModel past = with_keyframes({{10, 10}, {5000, 20}}, 100);
    calculate_linear(past);  // never written out of bounds
    EXPECT_NEAR(past.movepos.at(100, 0), 10 + 10.0 * 90 / 4990, 1e-12);
}

TEST(LinearMove, CorrectionsMoveTheKeyframePositions) {
    MoveModel m = with_keyframes({{10, 100}, {20, 200}});
    KeyframeCorrections corr{};
    corr[0][1] = 5.5;
    calculate_linear(m, &corr);
    EXPECT_DOUBLE_EQ(m.movepos.at(20, 0), 205.5);
    EXPECT_DOUBLE_EQ(m.movepos.at(10, 0), 100);
}
