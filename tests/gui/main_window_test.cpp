#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "motion/controls.h"
#include "started_window.h"
#include "move/controls.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

// One window: its widgets, the two-way mirror of the boxes, the messages list, the help window
// and the keyboard focus.
TEST(MainWindow, HasAWidgetForEveryControlMirrorsTheCoreAndOpensItsLists) {
    Window w;
    for (const std::string& name : w.panel().names()) {
        const QString n = QString::fromStdString(name);
        EXPECT_TRUE(w.window->findChild<QWidget*>(n) || w.window->findChild<QAction*>(n) || w.window->findChild<QMenu*>(n))
            << name;
    }
    EXPECT_EQ(w.window->windowTitle(), "untitled - Kestrova");
    for (const char* hidden : {"warning", "CommNo"}) EXPECT_FALSE(w.find<QWidget>(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(w.find<QWidget>("MSChart1")->isVisible());

    w.app.state().notices.say("second");
    w.window->findChild<QAction*>("messagesAction")->trigger();
    auto* list = w.window->findChild<QListWidget*>("messagesList");
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 1);
    EXPECT_TRUE(list->item(list->count() - 1)->text().endsWith(" second"));
    EXPECT_EQ(list->item(list->count() - 1)->text().size(), QString("2026-12-06 14:03:07 second").size());

    auto* text1 = w.find<QLineEdit>("Text1");
    ASSERT_NE(text1, nullptr);
    w.panel().set_text(ctl::keyframe_frame_box, "42");
    EXPECT_EQ(text1->text(), "42");
    text1->clear();
    QTest::keyClicks(text1, "17");
    EXPECT_EQ(w.text(ctl::keyframe_frame_box), "17");

    auto* small = w.find<QPushButton>("smallversion");
    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_TRUE(w.state().link.smallversionbit);

    w.window->findChild<QAction*>("help")->trigger();
    EXPECT_TRUE(w.window->help_window()->isVisible());
    QTest::mouseClick(w.window->help_window()->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(w.window->help_window()->isVisible());

    // Enable F keys focuses the status box; Escape stops play-back whatever box has the focus.
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::mouseClick(w.find<QPushButton>("enFkeys"), Qt::LeftButton);
    EXPECT_EQ(w.text(ctl::fkey_status_box), "F keys enabled");
    EXPECT_TRUE(w.find<QWidget>("enable")->hasFocus());

    auto* box = w.find<QLineEdit>(ctl::divider_box.str().c_str());
    ASSERT_NE(box, nullptr);
    box->setFocus();
    w.panel().press(ctl::run_button);
    ASSERT_EQ(w.engine().mode, EngineMode::Playing);
    QTest::keyClick(box, Qt::Key_Escape);  // what the stop stops is the core's test
    EXPECT_EQ(w.engine().mode, EngineMode::Idle);
}
