#include <gtest/gtest.h>

#include <functional>

#include "files/move_codec.h"
#include "started_app.h"
#include "graph/controls.h"
#include "shaping/controls.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

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
    std::string name_after = "untitled";  // the move's name after the change, and before it
    std::string name_before = "untitled";
};

}  // namespace

TEST(Undo, EveryKindOfChangeUndoesAndRedoesExactlyAgainAndAgain) {
    const std::vector<Change> changes{
        {"Add KeyFrame", [](StartedApp& s) { s.add_keyframe(120, {5, 5, 5, 5, 5}); }},
        {"Del KeyFrame", [](StartedApp& s) { s.app.type(ctl::keyframe_frame_box, "90"), s.app.press(ctl::delete_keyframe_button); }},
        {"Clear Move", [](StartedApp& s) { s.app.press(ctl::clear_move_button); }},
        {"Set Total Frames", [](StartedApp& s) { s.set_length(300); }},
        {"Set Total Frames", [](StartedApp& s) { s.app.type(ctl::total_frames_box, "150"), s.app.key_down(ctl::total_frames_box, 13); }},
        {"re calc", [](StartedApp& s) { s.move().movepos.at(3, 0) = 1e6, s.app.press(ctl::recalc_button); }},
        {"Bezier", [](StartedApp& s) { s.app.press(ctl::bezier_smooth_button); }},
        {"Smooth", [](StartedApp& s) { s.app.press(ctl::smooth_button); }},
        {"Corrected Smooth", [](StartedApp& s) { s.app.press(ctl::corrected_smooth_button); }},
        {"Bezier Samples on A", [](StartedApp& s) { s.app.press(ctl::bezier_smooth_button), s.app.press(ctl::bezier_samples_button); }},
        {"Load Move", [](StartedApp& s) { s.save_as("other"), s.set_length(50), s.save_as("b"), s.load("other"); },
         "other", "b"},
        {"Import Ascii",
         [](StartedApp& s) {
             s.save_as("pan");
             s.app.press(ctl::export_menu);
             s.set_length(20);
             s.app.press(ctl::import_menu);
         },
         "untitled", "pan"},
        {"Import CSV",
         [](StartedApp& s) { s.save_as("pan"), (void)s.export_csv(s.dir.path() / "m.csv"), s.set_length(20), (void)s.import_csv(s.dir.path() / "m.csv"); },
         "untitled", "pan"},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.label);
        StartedApp s;  // three keyframes on every axis, shaped linearly
        s.set_length(200);
        for (auto [f, p] : {std::pair{1, 0.0}, {90, 400.0}, {200, -100.0}}) s.add_keyframe(f, {p, -p, p / 2, 7, p + 500});
        change.act(s);
        // The last step is the change under test; undo it alone.
        const auto after = whole(s.move());
        ASSERT_EQ(s.editing().history().undo_label(), change.label);
        EXPECT_EQ(s.editing().name(), change.name_after);
        s.undo();
        const auto before = whole(s.move());
        EXPECT_NE(before, after);
        for (int round = 0; round < 2; ++round) {
            s.redo();
            EXPECT_TRUE(whole(s.move()) == after);
            EXPECT_EQ(s.editing().name(), change.name_after);
            s.undo();
            EXPECT_TRUE(whole(s.move()) == before);
            EXPECT_EQ(s.editing().name(), change.name_before);
        }
        // The boxes show the move undo gave back.
        EXPECT_EQ(s.text(ctl::total_frames_box), std::to_string(s.move().totalframes));
        EXPECT_EQ(s.text(ctl::keyframe_count_box), std::to_string(s.move().keyframe_count()));
    }
}

// File names: the name and the saved state travel with the move through undo,
// so a save after undoing a load writes to the earlier file; an untitled move stays unsaved.
TEST(FileNames, UndoingALoadGivesBackTheEarlierNameAndSaveWritesThere) {
    StartedApp s;
    s.save_as("a");
    s.set_length(30);
    s.save_as("b");
    s.load("a");
    s.undo();
    const Bytes a = s.file("a");
    s.add_keyframe(5, {1, 2, 3, 4, 5});
    ASSERT_TRUE(s.save_again());
    EXPECT_EQ(s.file("b"), encode_move(s.move()));
    EXPECT_EQ(s.file("a"), a);

    StartedApp fresh;
    fresh.undo();  // nothing to undo is said, not silently ignored
    EXPECT_FALSE(fresh.status().empty());
    fresh.add_keyframe(3);
    test_support::write_bytes(fresh.moves() / "a", a);
    fresh.load("a");
    fresh.undo();
    EXPECT_TRUE(fresh.editing().name() == "untitled" && fresh.editing().unsaved() && fresh.editing().file().empty());
}
