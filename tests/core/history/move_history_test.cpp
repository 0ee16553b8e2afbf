#include <gtest/gtest.h>

#include "files/move_codec.h"
#include "move/history_messages.h"
#include "move/linear_move.h"
#include "move/move_history.h"
#include "shaping/smoothing.h"

using namespace kestrova;
namespace label = history_msg::label;

namespace {

// Six keyframes, linear in between.
MoveModel keyframed(int frames) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    for (int k = 0; k < 6; ++k)
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, k + 1) = 1 + k * (frames - 1) / 5;
            m.pos_of(a, k + 1) = (k % 2 ? 4000 : -3000) + 37 * k + 100 * a;
        }
    m.nextkf = 7;
    calculate_linear(m);
    return m;
}

}  // namespace

// Undo through the program is pinned step by step elsewhere; these are the
// history's own rules: what a step is, and its bound.
TEST(MoveHistory, ANewChangeDropsTheRedoStepsAndANonChangeRecordsNothing) {
    MoveModel m = keyframed(200);
    MoveHistory h;
    h.begin(label::smooth, m);
    smooth_pass(m, 3);
    ASSERT_TRUE(h.commit(m));
    ASSERT_TRUE(h.undo(m).ok());
    h.begin(label::recalc, m);
    calculate_linear(m);  // the move is linear already
    EXPECT_FALSE(h.commit(m));
    EXPECT_TRUE(h.can_redo());
    h.begin(label::add_keyframe, m);
    m.pos_of(0, 2) += 55;
    calculate_linear(m);
    EXPECT_TRUE(h.commit(m));
    EXPECT_FALSE(h.can_redo());
    EXPECT_EQ(h.undo_steps(), 1u);
    EXPECT_FALSE(h.commit(m));  // no begin, no step
}

TEST(MoveHistory, StaysWithinItsBoundAtTheLargestMoveByDroppingTheOldestSteps) {
    MoveModel m = keyframed(max_frames);
    MoveHistory h;
    std::vector<MoveModel> states{m};
    const int steps = 30;
    for (int i = 0; i < steps; ++i) {
        h.begin(label::bezier, m);
        // A Bezier-sized change: every cell of movepos and of the samples.
        for (int f = 1; f <= m.rows(); ++f)
            for (int a = 0; a < move_axes; ++a) m.movepos.at(f, a) += 1.5 + i;
        for (auto& axis : m.bzpos)
            for (double& v : axis) v -= 0.25 + i;
        if (i == 10) m = keyframed(40);  // and a whole move swapped for another in between
        if (i == 11) m = keyframed(max_frames);
        ASSERT_TRUE(h.commit(m));
        ASSERT_LE(h.bytes(), default_history_bytes) << "after step " << i;
        states.push_back(m);
    }
    const std::size_t kept = h.undo_steps();
    EXPECT_LT(kept, static_cast<std::size_t>(steps));
    EXPECT_GT(kept, 10u);
    for (std::size_t i = 0; i < kept; ++i) {
        ASSERT_TRUE(h.undo(m).ok());
        ASSERT_LE(h.bytes(), default_history_bytes);
    }
    // The saved file and the samples a Bezier change also rewrites.
    EXPECT_TRUE(encode_move(m) == encode_move(states[steps - kept]));
    EXPECT_TRUE(m.bzpos == states[steps - kept].bzpos);
    EXPECT_FALSE(h.undo(m).ok());
}
