#include <gtest/gtest.h>

#include "files/file_panel.h"
#include "files/messages.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {
// All three lists shown (true) or all hidden (false); anything else fails both ways.
std::optional<bool> panel_shown(StartedApp& s) {
    const Panel& p = s.panel();
    const int shown = p.at(ctl::drive_list).visible + p.at(ctl::folder_list).visible + p.at(ctl::file_list).visible;
    if (shown % 3 != 0) return std::nullopt;
    return shown == 3;
}
}  // namespace

TEST(FilePanel, SaveByEnterCreatesTheTypedNameClickOverwritesEnterLoadsEscapeLeaves) {
    StartedApp s;
    EXPECT_EQ(panel_shown(s), false);

    s.app.press(ctl::save_move_menu);
    EXPECT_EQ(panel_shown(s), true);
    s.app.type(ctl::file_name_box, "pan1");
    EXPECT_TRUE(s.app.key_down(ctl::file_name_box, 13));
    EXPECT_TRUE(std::filesystem::exists(s.moves() / "pan1"));
    EXPECT_EQ(panel_shown(s), false);

    s.set_length(10);
    s.app.press(ctl::save_move_menu);
    s.files().selected = "pan1";
    s.app.press(ctl::file_list);
    EXPECT_EQ(s.file("pan1").size(), 806u);
    EXPECT_EQ(panel_shown(s), false);

    // Escape and Cancel leave the panel without loading; Enter loads the typed name.
    s.set_length(20);
    for (ControlName leave : {ctl::file_name_box, ctl::file_cancel_button}) {
        s.app.press(ctl::load_move_menu);
        EXPECT_EQ(panel_shown(s), true);
        EXPECT_TRUE(s.panel().at(ctl::file_cancel_button).visible);
        EXPECT_EQ(s.text(ctl::file_mode_label), files_msg::load_title);
        s.files().selected = "pan1";
        if (leave == ctl::file_cancel_button) s.app.press(leave);
        else EXPECT_TRUE(s.app.key_down(leave, 27));
        EXPECT_EQ(panel_shown(s), false);
        EXPECT_FALSE(s.panel().at(ctl::file_cancel_button).visible);
        EXPECT_EQ(s.files().selected, "");
        EXPECT_EQ(s.move().totalframes, 20);
    }
    s.app.press(ctl::load_move_menu);
    s.app.type(ctl::file_name_box, "pan1");
    s.app.key_down(ctl::file_name_box, 13);
    EXPECT_EQ(panel_shown(s), false);
    EXPECT_EQ(s.move().totalframes, 10);

    // Keys other than Enter are not consumed.
    s.app.press(ctl::save_move_menu);
    EXPECT_FALSE(s.app.key_down(ctl::file_name_box, 112));
    EXPECT_EQ(panel_shown(s), true);
}

TEST(FilePanel, FailedDriveChangeAsksAndCancelReturnsToTheFolderDrive) {
    StartedApp s;
    s.files().drives = {"/", s.dir.path().string()};
    change_folder(s.files(), s.moves().string());
    EXPECT_EQ(s.files().drive, s.dir.path().string());

    const std::string missing = (s.dir.path() / "no-medium").string();
    change_drive(s.files_context(), missing);
    auto box = s.take_box();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "No Data");
    EXPECT_EQ(box->text, files_msg::drive_box_text(ENOENT, std::generic_category().message(ENOENT)));
    EXPECT_TRUE(box->ok_cancel && box->exclamation);

    box->answer(true);  // OK retries, and fails again
    box = s.take_box();
    ASSERT_TRUE(box);
    box->answer(false);
    EXPECT_FALSE(s.notices().box.has_value());
    EXPECT_EQ(s.files().drive, s.dir.path().string());
    EXPECT_EQ(s.files().folder, s.moves().string());

    change_drive(s.files_context(), "/");
    EXPECT_FALSE(s.notices().box.has_value());
    EXPECT_EQ(s.files().folder, "/");
    EXPECT_EQ(s.files().drive, "/");
}

// File names: Save Move writes over another move's file only when told to, and
// never under a name the program keeps for its own files.
TEST(FileNames, SavingOverAnotherMovesFileAsksAndTheProgramsOwnNamesAreRefused) {
    StartedApp s;
    s.set_length(10);
    s.save_as("a");
    s.set_length(20);
    s.save_as("b");
    const Bytes a = s.file("a");
    s.set_length(30);
    for (const bool ok : {false, true}) {
        s.save_as("a");
        const auto box = s.take_box();
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->text == "Replace a?" && box->ok_cancel);
        EXPECT_EQ(s.file("a"), a);  // nothing written before the answer
        box->answer(ok);
        const std::string path = (s.moves() / "a").string();
        EXPECT_EQ(s.status(), ok ? files_msg::saved(path) : files_msg::replace_declined(path));
        EXPECT_EQ(s.editing().name(), ok ? "a" : "b");
        EXPECT_EQ(s.editing().unsaved(), !ok);
    }
    EXPECT_EQ(s.file("a").size(), 2406u);
    // The move's own file is saved over without a question.
    s.set_length(40);
    s.app.press(ctl::save_move_menu);
    s.files().selected = "a";
    s.app.press(ctl::file_list);
    EXPECT_FALSE(s.notices().box.has_value());
    EXPECT_EQ(s.file("a").size(), 3206u);

    for (const std::string name : {".take1.tmp-AAAAAA", ".kestrova.lock"}) {
        s.save_as(name);
        EXPECT_EQ(s.status(), files_msg::program_file_name("Save Move", name));
        EXPECT_FALSE(std::filesystem::exists(s.moves() / name));
        EXPECT_EQ(s.editing().name(), "a");
    }
}
