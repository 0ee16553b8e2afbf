// The window's side of unsaved work: the title, the Edit menu and the question
// before a move is dropped. When a move counts as unsaved is the core's test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include "files/move_codec.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

namespace {

void answer(Window& w, SaveChoice choice, int* asked) {
    w.window->ask_save_changes = [choice, asked](const QString& name) {
        EXPECT_EQ(name, "untitled");
        ++*asked;
        return choice;
    };
}

QAction* action(Window& w, const char* name) { return w.window->findChild<QAction*>(name); }

}  // namespace

TEST(UnsavedWork, TitleMarksChangesUntilSavedAndUndoIsNamedInTheEditMenu) {
    Window w;
    auto* undo = action(w, "undoAction");
    EXPECT_FALSE(undo->isEnabled());
    w.add_keyframe(1);
    w.window->sync();
    EXPECT_EQ(w.window->windowTitle(), "untitled* - Kestrova");
    EXPECT_EQ(undo->text(), "Undo Add KeyFrame");
    w.save_as("pan");
    w.window->sync();
    EXPECT_EQ(w.window->windowTitle(), "pan - Kestrova");
    undo->trigger();
    EXPECT_EQ(w.window->windowTitle(), "pan* - Kestrova");
    EXPECT_EQ(action(w, "redoAction")->text(), "Redo Add KeyFrame");
    // File names: undoing a load gives the title back the earlier move's name.
    w.set_length(50);
    w.save_as("tilt");
    w.load("pan");
    w.window->sync();
    EXPECT_EQ(w.window->windowTitle(), "pan - Kestrova");
    undo->trigger();
    EXPECT_EQ(w.window->windowTitle(), "tilt - Kestrova");
    action(w, "redoAction")->trigger();
    EXPECT_EQ(w.window->windowTitle(), "pan - Kestrova");
}

TEST(UnsavedWork, ExitAndLoadAskFirstAndOnlyWhenThereIsSomethingToLose) {
    Window w;
    w.add_keyframe(1, {100, 0, 0, 0, 0});
    const auto before = encode_move(w.move());
    int asked = 0;
    answer(w, SaveChoice::cancel, &asked);
    action(w, "exitmenu")->trigger();
    action(w, "Load")->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_FALSE(w.state().files.loadmode);  // the file panel did not open for loading
    EXPECT_EQ(encode_move(w.move()), before);
    // Save without a name opens the file panel for one and loads nothing yet.
    answer(w, SaveChoice::save, &asked);
    action(w, "Load")->trigger();
    EXPECT_TRUE(w.state().files.savemode);
    EXPECT_FALSE(w.state().files.loadmode);

    answer(w, SaveChoice::discard, &asked);
    action(w, "exitmenu")->trigger();
    EXPECT_EQ(asked, 4);
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_TRUE(w.app.quit_requested());

    Window fresh;
    answer(fresh, SaveChoice::cancel, &asked);
    action(fresh, "Load")->trigger();
    EXPECT_EQ(asked, 4);  // nothing to lose: not asked
    EXPECT_TRUE(fresh.state().files.loadmode);
}
