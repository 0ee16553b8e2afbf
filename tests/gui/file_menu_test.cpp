// The File and Edit menus on the real window: the file panel's lists, Recent moves, and
// unsaved work (the title, Undo's name, the question before a move is dropped). When a
// move counts as unsaved is the core's test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "files/controls.h"
#include "files/move_codec.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

TEST(FileMenu, TheListsShowTheMovesFolderWithoutHiddenFilesAndRecentMovesListsAndLoadsSavedOnes) {
    Window w;
    auto* drives = w.find<QComboBox>("Drive1");
    auto* folders = w.find<QListView>("Dir1");
    auto* files = w.find<QListView>("File1");
    ASSERT_TRUE(drives && folders && files);
    EXPECT_GT(drives->count(), 0);  // the mounted volumes

    w.set_length(30);
    w.save_as("first");
    test_support::write_bytes(w.moves() / ".first.tmp-Ab12Cd", Bytes{1});  // a save killed half-way
    w.set_length(60);
    w.app.press(ctl::load_move_menu);
    w.window->sync();
    EXPECT_TRUE(drives->isVisible() && folders->isVisible() && files->isVisible());
    EXPECT_EQ(w.find<QLabel>("fileFolder")->text(), "moves");  // the folder, not the drive's root
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Escape);  // leaves the panel, nothing loaded
    EXPECT_FALSE(files->isVisible());
    EXPECT_EQ(w.move().totalframes, 60);
    w.app.press(ctl::load_move_menu);
    w.window->sync();
    auto* model = qobject_cast<QFileSystemModel*>(files->model());
    ASSERT_TRUE(model);
    const QModelIndex root = files->rootIndex();
    EXPECT_EQ(model->filePath(root).toStdString(), w.moves().string());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) >= 1; }, 5000));
    EXPECT_FALSE(QTest::qWaitFor([&] { return model->rowCount(root) > 1; }, 300));  // the temporary stays hidden
    const QModelIndex item = model->index(0, 0, root);
    files->scrollTo(item);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(item).center());
    EXPECT_EQ(w.move().totalframes, 30);
    EXPECT_FALSE(files->isVisible());

    w.set_length(40);
    w.save_as("second");
    auto* recent = w.window->menuBar()->findChild<QMenu*>("recentMenu");
    ASSERT_TRUE(recent);
    emit recent->aboutToShow();
    const auto actions = recent->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_EQ(actions[0]->text().toStdString(), (w.moves() / "second").string());
    EXPECT_EQ(actions[1]->text().toStdString(), (w.moves() / "first").string());
    actions[1]->trigger();
    EXPECT_EQ(w.move().totalframes, 30);
    EXPECT_EQ(w.window->windowTitle(), "first - Kestrova");

    // File names: saving over another move's file asks first; Cancel keeps it.
    const Bytes second = w.file("second");
    QString asked;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    answer.start(10);
    w.save_as("second");
    w.window->sync();
    EXPECT_EQ(asked, "Replace second?");
    EXPECT_EQ(w.file("second"), second);
    EXPECT_EQ(w.window->windowTitle(), "first - Kestrova");

    // Kept for the next start.
    Window next;
    const auto& kept = next.recent().list();
    EXPECT_NE(std::find(kept.begin(), kept.end(), w.moves() / "first"), kept.end());
}

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
    EXPECT_FALSE(w.files().loadmode);  // the file panel did not open for loading
    EXPECT_EQ(encode_move(w.move()), before);
    // Save without a name opens the file panel for one and loads nothing yet.
    answer(w, SaveChoice::save, &asked);
    action(w, "Load")->trigger();
    EXPECT_TRUE(w.files().savemode);
    EXPECT_FALSE(w.files().loadmode);

    answer(w, SaveChoice::discard, &asked);
    action(w, "exitmenu")->trigger();
    EXPECT_EQ(asked, 4);
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_TRUE(w.app.quit_requested());

    Window fresh;
    answer(fresh, SaveChoice::cancel, &asked);
    action(fresh, "Load")->trigger();
    EXPECT_EQ(asked, 4);  // nothing to lose: not asked
    EXPECT_TRUE(fresh.files().loadmode);
}
