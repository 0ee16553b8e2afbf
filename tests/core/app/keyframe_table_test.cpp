// The keyframe table edits a keyframe as Del KeyFrame then Add KeyFrame of its
// pose would, in one undo step; what those commands refuse it refuses too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/messages.h"
#include "move/messages.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

// The per-frame table and the keyframe rows as the list boxes show them.
std::pair<std::vector<double>, std::vector<std::string>> shown(StartedApp& s) {
    std::vector<double> frames;
    for (int f = 1; f <= s.move().totalframes; ++f)
        for (int a = 0; a < move_axes; ++a) frames.push_back(s.move().movepos.at(f, a));
    std::vector<std::string> lists{s.text(ctl::keyframe_count_box)};
    for (ControlName n : ctl::keyframe_list_boxes) lists.push_back(s.text(n));
    return {frames, lists};
}

void three_keyframes(StartedApp& s) {
    s.set_length(200);
    for (auto [f, p] : {std::pair{10, 0.0}, {90, 400.0}, {150, -100.0}}) s.add_keyframe(f, {p, -p, p / 2, 7, p + 500});
}

}  // namespace

TEST(KeyframeTable, AnEditIsDelThenAddOfTheRowsPoseInOneUndoStep) {
    struct Case {
        int row, column;
        std::string text;
        int del_at, add_at;             // the same by the buttons
        std::array<double, move_axes> pose;
    } const cases[] = {
        {2, 0, "120", 90, 120, {400, -400, 200, 7, 900}},   // the frame, past the next keyframe
        {3, 0, "5", 150, 5, {-100, 100, -50, 7, 400}},      // the last keyframe to the front
        {1, 4, "-33", 10, 10, {0, 0, -33, 7, 500}},         // axis C's position
        {2, 6, "12.5", 90, 90, {400, -400, 200, 7, 12}},    // E's, rounded half to even
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        StartedApp table, buttons;
        three_keyframes(table);
        three_keyframes(buttons);
        const auto before = shown(table);
        table.edit_cell(c.row, c.column, c.text);
        buttons.app.type(ctl::keyframe_frame_box, std::to_string(c.del_at));
        buttons.app.press(ctl::delete_keyframe_button);
        buttons.add_keyframe(c.add_at, c.pose);
        EXPECT_EQ(shown(table), shown(buttons));
        EXPECT_EQ(table.editing().history().undo_label(), "Edit keyframe");
        table.undo();
        EXPECT_EQ(shown(table), before);
    }
}

TEST(KeyframeTable, ARefusedEditChangesNothingAndSaysWhy) {
    struct Case {
        int column;
        std::string text, said;
    } const cases[] = {
        {0, "0", move_msg::add_frame_not_valid(200)},
        {0, "201", move_msg::add_frame_not_valid(200)},
        {0, "45.5", move_msg::add_frame_not_valid(200)},
        {0, "150", move_msg::frame_has_keyframe(150)},
        {2, "3e10", move_msg::position_out_of_range},
        {3, "abc", app_msg::table_value_not_number("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        StartedApp s;
        three_keyframes(s);
        const auto before = shown(s);
        const std::string label = s.editing().history().undo_label();
        s.edit_cell(2, c.column, c.text);
        EXPECT_EQ(shown(s), before);
        EXPECT_EQ(s.editing().history().undo_label(), label);
        EXPECT_EQ(s.status(), c.said);
    }
}

TEST(KeyframeTable, SelectingARowShowsItsFrameAndDeleteRemovesIt) {
    StartedApp s;
    three_keyframes(s);
    s.axes().unit[1] = "°";
    s.axes().pp_rev[1] = 8;
    EXPECT_EQ(keyframe_table_header(s.axis_names(), s.axes(), 3), "Tilt (°)");
    EXPECT_EQ(keyframe_table_cell(s.move(), s.axes(), 2, 1), "3.56 s");
    EXPECT_EQ(keyframe_table_cell(s.move(), s.axes(), 2, 3), "-50.00");
    s.edit_cell(2, 3, "-10");  // typed in degrees
    EXPECT_EQ(s.move().pos_of(1, 2), -80);
    s.select_row(2);
    EXPECT_EQ(s.text(ctl::keyframe_frame_box), "90");
    EXPECT_EQ(s.graph().marked_frame, 90);
    s.delete_row(2);
    EXPECT_EQ(s.move().keyframe_count(), 2);
    EXPECT_EQ(s.move().frame_of(0, 2), 150);
    EXPECT_EQ(s.editing().history().undo_label(), "Del KeyFrame");
    EXPECT_EQ(s.graph().marked_frame, 0);
}
