// Export CSV / Import CSV and Recent moves as the File menu runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "files/csv_move.h"
#include "files/csv_texts.h"
#include "files/messages.h"
#include "files/move_codec.h"
#include "started_app.h"
#include "axes/controls.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

void keyframed_move(StartedApp& s) {
    s.set_length(120);
    s.add_keyframe(1, {0, 0, 0, 0, 0});
    s.add_keyframe(120, {1000, -250.5, 3, 0, 77});
}

}  // namespace

TEST(CsvImport, ImportReplacesPositionsSetsTheLengthEmptiesKeyframesAndARefusedFileChangesNothing) {
    StartedApp s;
    keyframed_move(s);
    s.app.type(ctl::axis_name_boxes[0], "pan");
    const auto csv = s.dir.path() / "move.csv";
    ASSERT_TRUE(s.export_csv(csv));
    EXPECT_EQ(s.status(), files_msg::exported(csv.string()));
    const FrameTable exported = s.move().movepos;

    s.set_length(30);
    s.add_keyframe(5, {9, 9, 9, 9, 9});
    s.save_as("pan move 1");
    const Bytes before = encode_move(s.move());
    ASSERT_TRUE(s.import_csv(csv));
    EXPECT_EQ(s.status(), files_msg::imported(csv.string(), 120));
    EXPECT_EQ(s.text(ctl::total_frames_box), "120");  // the boxes show the move
    EXPECT_EQ(s.text(ctl::keyframe_count_box), "0");
    for (int f = 1; f <= 120; ++f)
        for (int a = 0; a < move_axes; ++a) ASSERT_EQ(s.move().movepos.at(f, a), exported.at(f, a));
    EXPECT_EQ(s.editing().history().undo_label(), "Import CSV");
    // An import is no file the move equals: untitled, and Save asks for a name.
    EXPECT_EQ(s.editing().name(), "untitled");
    EXPECT_TRUE(s.editing().unsaved());
    EXPECT_FALSE(s.save_again());
    EXPECT_TRUE(s.files().savemode);
    EXPECT_EQ(s.file("pan move 1"), before);

    // A refused file names the line and leaves move and history alone.
    const Bytes kept = encode_move(s.move());
    const std::string undo_label = s.editing().history().undo_label();
    const auto bad = s.dir.path() / "bad.csv";
    std::ofstream(bad) << "frame,A,B,C,D,E\n1,0,0,0,0,0\n3,0,0,0,0,0\n";
    EXPECT_FALSE(s.import_csv(bad));
    EXPECT_EQ(s.status(), files_msg::csv_import_refused(bad.string(), csv_text::at_line(3, csv_text::out_of_order)));
    EXPECT_EQ(encode_move(s.move()), kept);
    EXPECT_EQ(s.editing().history().undo_label(), undo_label);

    // An export that cannot be written says so.
    EXPECT_FALSE(s.export_csv(s.dir.path() / "no" / "such.csv"));
    EXPECT_NE(s.status().find("Export CSV failed"), std::string::npos);
}

TEST(RecentMoves, SavedAndLoadedMovesGoOnTopAndLoadThroughTheCheckedReaderAsAnUndoableStep) {
    StartedApp s;
    keyframed_move(s);
    for (int i = 0; i < 10; ++i) s.save_as("m" + std::to_string(i));
    s.load("m3");
    const auto& list = s.recent().list();
    ASSERT_EQ(list.size(), RecentMoves::kept);
    EXPECT_EQ(list[0], s.moves() / "m3");
    EXPECT_EQ(list[1], s.moves() / "m9");
    EXPECT_EQ(list[7], s.moves() / "m2");  // m3 moved up, not repeated; m1 and m0 dropped off

    s.app.press(ctl::clear_move_button);
    ASSERT_TRUE(s.load_recent(s.moves() / "m5"));
    EXPECT_EQ(encode_move(s.move()), s.file("m5"));
    EXPECT_EQ(s.editing().history().undo_label(), "Load Move");

    // A damaged file is refused and the move stays.
    test_support::write_bytes(s.moves() / "m5", Bytes{1, 2, 3});
    s.set_length(40);
    const Bytes before = encode_move(s.move());
    EXPECT_FALSE(s.load_recent(s.moves() / "m5"));
    EXPECT_EQ(encode_move(s.move()), before);
    EXPECT_NE(s.status().find("not loaded"), std::string::npos);
}
