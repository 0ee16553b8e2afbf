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

}  // namespace

TEST(UnsavedWork, TitleMarksChangesUntilSavedAndUndoIsNamedInTheEditMenu) {
    Window w;
    auto* undo = w.window->findChild<QAction*>("undoAction");
    EXPECT_FALSE(undo->isEnabled());
    w.add_keyframe(1);
    w.window->sync();
    EXPECT_EQ(w.window->windowTitle(), "untitled* - Kestrova");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo Add KeyFrame");
    w.save_as("pan");
    w.window->sync();
    EXPECT_EQ(w.window->windowTitle(), "pan - Kestrova");
    undo->trigger();
    EXPECT_EQ(w.move().keyframe_count(), 0);
    EXPECT_EQ(w.window->windowTitle(), "pan* - Kestrova");
    EXPECT_EQ(w.window->findChild<QAction*>("redoAction")->text(), "Redo Add KeyFrame");
}

TEST(UnsavedWork, ExitAsksCancelKeepsTheProgramAndTheMoveDiscardExits) {
    Window w;
    w.add_keyframe(1, {100, 0, 0, 0, 0});
    const auto before = encode_move(w.move());
    int asked = 0;
    answer(w, SaveChoice::cancel, &asked);
    w.window->findChild<QAction*>("exitmenu")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_FALSE(w.app.quit_requested());
    EXPECT_EQ(encode_move(w.move()), before);

    answer(w, SaveChoice::discard, &asked);
    w.window->findChild<QAction*>("exitmenu")->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_TRUE(w.app.quit_requested());
}

TEST(UnsavedWork, LoadAsksFirstAndNothingIsAskedWithoutChanges) {
    Window w;
    int asked = 0;
    w.add_keyframe(1);
    answer(w, SaveChoice::cancel, &asked);
    w.window->findChild<QAction*>("Load")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(w.state().files.loadmode);  // cancelled: the file panel did not open for loading
    // Save without a name opens the file panel for one and loads nothing yet.
    answer(w, SaveChoice::save, &asked);
    w.window->findChild<QAction*>("Load")->trigger();
    EXPECT_TRUE(w.state().files.savemode);
    EXPECT_FALSE(w.state().files.loadmode);

    Window fresh;
    answer(fresh, SaveChoice::cancel, &asked);
    fresh.window->findChild<QAction*>("Load")->trigger();
    EXPECT_EQ(asked, 2);  // nothing to lose: not asked
    EXPECT_TRUE(fresh.state().files.loadmode);
}
