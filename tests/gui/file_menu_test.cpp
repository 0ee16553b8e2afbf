// File > Recent moves on the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

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
