#include <gtest/gtest.h>

#include <functional>

#include "app/editing_commands.h"
#include "files/move_codec.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

// A move with three keyframes on every axis, shaped linearly.
void three_keyframes(StartedApp& s) {
    s.set_length(200);
    s.add_keyframe(1, {0, 0, 0, 0, 0});
    s.add_keyframe(90, {400, -300, 50, 7, 900});
    s.add_keyframe(200, {-100, 800, 20, 0, 300});
}

// All the move undo gives back: the saved bytes, and the tables the file does not hold.
std::pair<Bytes, std::vector<double>> whole(const MoveModel& m) {
    std::vector<double> cells;
    for (int a = 0; a < move_axes; ++a) {
        cells.insert(cells.end(), m.bzframe[a].begin(), m.bzframe[a].end());
        cells.insert(cells.end(), m.bzpos[a].begin(), m.bzpos[a].end());
        cells.insert(cells.end(), m.kfcorr[a].begin(), m.kfcorr[a].end());
        for (int f = 1; f <= m.rows(); ++f) cells.insert(cells.end(), {m.smoothpos.at(f, a), m.graphpos.at(f, a)});
    }
    return {encode_move(m), cells};
}

struct Change {
    const char* label;
    std::function<void(StartedApp&)> act;
};

}  // namespace

TEST(Undo, EveryKindOfChangeUndoesAndRedoesExactlyAgainAndAgain) {
    const std::vector<Change> changes{
        {"Add KeyFrame", [](StartedApp& s) { s.add_keyframe(120, {5, 5, 5, 5, 5}); }},
        {"Del KeyFrame", [](StartedApp& s) { s.app.type("Text1", "90"), s.app.press("delKF"); }},
        {"Clear Move", [](StartedApp& s) { s.app.press("Command7"); }},
        {"Set Total Frames", [](StartedApp& s) { s.set_length(300); }},
        {"Set Total Frames", [](StartedApp& s) { s.app.type("Text2", "150"), s.app.key_down("Text2", 13); }},
        {"re calc", [](StartedApp& s) { s.move().movepos.at(3, 0) = 1e6, s.app.press("recal"); }},
        {"Bezier", [](StartedApp& s) { s.app.press("Command20"); }},
        {"Smooth", [](StartedApp& s) { s.app.press("smoothall"); }},
        {"Corrected Smooth", [](StartedApp& s) { s.app.press("Command16"); }},
        {"Bezier Samples on A", [](StartedApp& s) { s.app.press("Command20"), s.app.press("Command13"); }},
        {"Load Move", [](StartedApp& s) { s.save_as("other"), s.app.press("Command7"), s.load("other"); }},
        {"Import Ascii",
         [](StartedApp& s) {
             s.state().files.selected = "pan";
             s.app.press("Export");
             s.set_length(20);
             s.app.press("Importascii");
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.label);
        StartedApp s;
        three_keyframes(s);
        change.act(s);
        // The last step is the change under test; undo it alone.
        const auto after = whole(s.move());
        ASSERT_EQ(s.state().editing.history().undo_label(), change.label);
        undo_move(s.state());
        const auto before = whole(s.move());
        EXPECT_NE(before, after);
        for (int round = 0; round < 2; ++round) {
            redo_move(s.state());
            EXPECT_TRUE(whole(s.move()) == after);
            undo_move(s.state());
            EXPECT_TRUE(whole(s.move()) == before);
        }
        // The boxes show the move undo gave back.
        EXPECT_EQ(s.text("Text2"), std::to_string(s.move().totalframes));
        EXPECT_EQ(s.text("keyframes"), std::to_string(s.move().keyframe_count()));
    }
}

TEST(Undo, UnsavedFollowsEditsSavesAndUndo) {
    StartedApp s;
    EXPECT_FALSE(s.state().editing.unsaved());
    s.add_keyframe(1);
    EXPECT_TRUE(s.state().editing.unsaved());
    s.save_as("m");
    EXPECT_FALSE(s.state().editing.unsaved());
    EXPECT_EQ(s.state().editing.name(), "m");
    s.add_keyframe(40, {10, 0, 0, 0, 0});
    EXPECT_TRUE(s.state().editing.unsaved());
    undo_move(s.state());
    EXPECT_FALSE(s.state().editing.unsaved());
    s.load("m");
    EXPECT_FALSE(s.state().editing.unsaved());
    // Nothing to undo is said, not silently ignored.
    StartedApp fresh;
    undo_move(fresh.state());
    EXPECT_FALSE(fresh.status().empty());
}
