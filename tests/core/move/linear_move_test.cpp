#include <gtest/gtest.h>

#include "move/linear_move.h"

using namespace kestrova;

namespace {

// Keyframes at the same frames on every axis, axis a at (a + 1) times the
// position given; every frame starts at 77 (times a + 1), "not written".
MoveModel with_keyframes(std::initializer_list<std::pair<int, int>> rows, int frames = 300) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    for (int f = 1; f <= frames; ++f)
        for (int a = 0; a < move_axes; ++a) m.movepos.at(f, a) = 77 * (a + 1);
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

TEST(LinearMove, RampsFromZeroThenRunsStraightBetweenKeyframesOnEveryAxis) {
    struct Case {
        const char* what;
        MoveModel move;
        std::vector<std::pair<int, double>> frames;  // frame, position on A
    };
    const Case cases[] = {
        {"ramp, then straight, nothing after the last",
         with_keyframes({{50, 100}, {150, 300}}),
         {{25, 50}, {50, 100}, {51, 102}, {100, 200}, {150, 300}, {151, 77}}},
        {"two keyframes on one frame keep the first",
         with_keyframes({{100, 10}, {100, 20}, {200, 30}}),
         {{100, 10}, {101, 10 + 20.0 / 100}, {200, 30}}},
        {"neighbouring frames hold their own", with_keyframes({{1, 7}, {2, 9}}), {{1, 7}, {2, 9}}},
        {"a keyframe at frame 0 writes no ramp", with_keyframes({{0, 50}, {10, 150}}), {{1, 15}, {10, 150}}},
        {"a keyframe past the table end is not written out of bounds",
         with_keyframes({{10, 10}, {5000, 20}}, 100),
         {{100, 10 + 10.0 * 90 / 4990}}},
    };
    for (Case c : cases) {
        calculate_linear(c.move);
        for (auto [frame, pos] : c.frames)
            for (int a = 0; a < move_axes; ++a) EXPECT_NEAR(c.move.movepos.at(frame, a), pos * (a + 1), 1e-9) << c.what;
    }
}

TEST(LinearMove, CorrectionsMoveTheKeyframePositions) {
    MoveModel m = with_keyframes({{10, 100}, {20, 200}});
    KeyframeCorrections corr{};
    corr[0][1] = 5.5;
    calculate_linear(m, &corr);
    EXPECT_DOUBLE_EQ(m.movepos.at(20, 0), 205.5);
    EXPECT_DOUBLE_EQ(m.movepos.at(10, 0), 100);
}
