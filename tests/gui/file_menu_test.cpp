// File > Export CSV, Import CSV and Recent moves on the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <fstream>

#include "files/messages.h"
#include "files/move_codec.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

TEST(FileMenu, CsvGoesOutAndComesBackAfterAskingAboutUnsavedWork) {
    Window w;
    w.set_length(50);
    w.add_keyframe(1);
    w.add_keyframe(50, {500, 0, -20, 0, 3});
    const QString csv = QString::fromStdString((w.dir.path() / "out.csv").string());
    QString answer = csv;
    std::vector<bool> asked_saving;
    w.window->ask_csv_path = [&](bool saving) {
        asked_saving.push_back(saving);
        return answer;
    };
    int asked_save = 0;
    SaveChoice choice = SaveChoice::cancel;
    w.window->ask_save_changes = [&](const QString&) {
        ++asked_save;
        return choice;
    };
    w.window->findChild<QAction*>("exportCsvAction")->trigger();
    EXPECT_EQ(asked_saving, std::vector<bool>{true});
    EXPECT_EQ(w.window->statusBar()->currentMessage().toStdString(), files_msg::exported(csv.toStdString()));

    // Cancelled at the unsaved-work question: no file asked for, nothing changes.
    w.set_length(10);
    const Bytes before = encode_move(w.move());
    w.window->findChild<QAction*>("importCsvAction")->trigger();
    EXPECT_EQ(asked_save, 1);
    EXPECT_EQ(asked_saving.size(), 1u);
    EXPECT_EQ(encode_move(w.move()), before);

    // Discarded, then a cancelled file dialog: nothing changes either.
    choice = SaveChoice::discard;
    answer.clear();
    w.window->findChild<QAction*>("importCsvAction")->trigger();
    EXPECT_EQ(encode_move(w.move()), before);

    answer = csv;
    w.window->findChild<QAction*>("importCsvAction")->trigger();
    EXPECT_EQ(w.move().totalframes, 50);
    EXPECT_EQ(w.move().keyframe_count(), 0);
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
