// File > Export CSV, Import CSV and Recent moves on the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "files/messages.h"
#include "files/move_codec.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

TEST(FileMenu, CsvGoesOutAndComesBackAfterAskingAboutUnsavedWork) {
    Window w;
    w.set_length(50);
    w.add_keyframe(50, {500, 0, -20, 0, 3});
    const QString csv = QString::fromStdString((w.dir.path() / "out.csv").string());
    QString answer = csv;
    std::vector<bool> asked_saving;
    w.window->ask_csv_path = [&](bool saving) { return asked_saving.push_back(saving), answer; };
    int asked_save = 0;
    SaveChoice choice = SaveChoice::cancel;
    w.window->ask_save_changes = [&](const QString&) { return ++asked_save, choice; };
    auto trigger = [&](const char* action) { w.window->findChild<QAction*>(action)->trigger(); };
    trigger("exportCsvAction");
    EXPECT_EQ(asked_saving, std::vector<bool>{true});
    EXPECT_EQ(w.window->statusBar()->currentMessage().toStdString(), files_msg::exported(csv.toStdString()));

    // Cancelled at the unsaved-work question: no file asked for, nothing changes.
    w.set_length(10);
    const Bytes before = encode_move(w.move());
    trigger("importCsvAction");
    EXPECT_EQ(asked_save, 1);
    EXPECT_EQ(asked_saving.size(), 1u);
    // Discarded, then a cancelled file dialog: nothing changes either.
    choice = SaveChoice::discard;
    answer.clear();
    trigger("importCsvAction");
    EXPECT_EQ(encode_move(w.move()), before);

    answer = csv;
    trigger("importCsvAction");
    EXPECT_EQ(w.move().movepos.at(50, 0), 500);
    EXPECT_EQ(w.window->findChild<QAction*>("undoAction")->text(), "Undo Import CSV");
}

TEST(FileMenu, RecentMovesListsSavedMovesAndLoadsThem) {
    Window w;
    w.set_length(30);
    w.save_as("first");
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

    // Kept for the next start.
    Window next;
    const auto& kept = next.state().recent.list();
    EXPECT_NE(std::find(kept.begin(), kept.end(), w.moves() / "first"), kept.end());
}
