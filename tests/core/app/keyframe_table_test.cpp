// A table edit is Del KeyFrame then Add KeyFrame of the row's pose, in one undo
// step; what those refuse it refuses, with nothing changed.
#include <gtest/gtest.h>

#include "app/messages.h"
#include "move/messages.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

// The per-frame table and what the keyframe boxes show.
std::pair<std::vector<double>, std::vector<std::string>> shown(StartedApp& s) {
    std::vector<double> cells;
    for (int f = 1; f <= s.move().totalframes; ++f)
        for (int a = 0; a < move_axes; ++a) cells.push_back(s.move().movepos.at(f, a));
    std::vector<std::string> boxes{s.text(ctl::keyframe_count_box)};
    for (ControlName n : ctl::keyframe_list_boxes) boxes.push_back(s.text(n));
    return {cells, boxes};
}

void three_keyframes(StartedApp& s) {
    s.set_length(200);
    for (auto [f, p] : {std::pair{10, 0.0}, {90, 400.0}, {150, -100.0}}) s.add_keyframe(f, {p, -p, p / 2, 7, p + 500});
}

}  // namespace

TEST(KeyframeTable, AnEditIsDelThenAddOfTheRowsPoseInOneUndoStep) {
    struct { int row, column; std::string text; int del_at, add_at; std::array<double, move_axes> pose; } const cases[] = {
        {2, 0, "120", 90, 120, {400, -400, 200, 7, 900}},  // past the next keyframe
        {3, 0, "5", 150, 5, {-100, 100, -50, 7, 400}},     // the last to the front
        {2, 6, "12.5", 90, 90, {400, -400, 200, 7, 12}},   // E's position, half to even
    };
    for (const auto& c : cases) {
        StartedApp table, buttons;
        three_keyframes(table), three_keyframes(buttons);
        const auto before = shown(table);
        table.edit_cell(c.row, c.column, c.text);
        buttons.app.type(ctl::keyframe_frame_box, std::to_string(c.del_at));
        buttons.app.press(ctl::delete_keyframe_button);
        buttons.add_keyframe(c.add_at, c.pose);
        EXPECT_EQ(shown(table), shown(buttons)) << c.text;
        table.undo();
        EXPECT_EQ(shown(table), before) << c.text;
    }
}

TEST(KeyframeTable, ARefusedEditChangesNothingAndSaysWhy) {
    const std::pair<int, std::string> edits[] = {{0, "0"}, {0, "201"}, {0, "45.5"}, {0, "150"}, {2, "3e10"}, {3, "x"}};
    const std::string said[] = {move_msg::add_frame_not_valid(200), move_msg::add_frame_not_valid(200),
                                move_msg::add_frame_not_valid(200), move_msg::frame_has_keyframe(150),
                                move_msg::position_out_of_range, app_msg::table_value_not_number("x")};
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        StartedApp s;
        three_keyframes(s);
        const auto before = shown(s);
        s.edit_cell(2, edits[i].first, edits[i].second);
        EXPECT_EQ(shown(s), before) << i;
        EXPECT_EQ(s.editing().history().undo_label(), "Add KeyFrame") << i;
        EXPECT_EQ(s.status(), said[i]) << i;
    }
}
