#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>

#include "app/qt/window_geometry.h"
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
    for (const char* hidden : {"warning", "CommNo"}) EXPECT_FALSE(w.find<QWidget>(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(w.find<QWidget>("MSChart1")->isVisible());

    // Each message is listed after its date and time.
    w.notices().say("second");
    w.window->findChild<QAction*>("messagesAction")->trigger();
    auto* list = w.window->findChild<QListWidget*>("messagesList");
    ASSERT_TRUE(list && list->count() >= 1);
    const QString last = list->item(list->count() - 1)->text();
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d second$)").match(last).hasMatch()) << last.toStdString();

    auto* text1 = w.find<QLineEdit>("Text1");
    w.panel().set_text(ctl::keyframe_frame_box, "42");
    EXPECT_EQ(text1->text(), "42");
    text1->clear();
    QTest::keyClicks(text1, "17");
    EXPECT_EQ(w.text(ctl::keyframe_frame_box), "17");

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
    box->setFocus();
    w.panel().press(ctl::run_button);
    ASSERT_EQ(w.engine().mode, EngineMode::Playing);
    QTest::keyClick(box, Qt::Key_Escape);  // what the stop stops is the core's test
    EXPECT_EQ(w.engine().mode, EngineMode::Idle);
}

TEST(WindowFit, NothingClippedOrOverlappingAtTheMinimumSizeAnd1280By800ASmallScreenScrollsAndTheStartSizeFits) {
    Window w;
    fit_to_screen(*w.window, QSize(1280, 800));
    for (const QSize size : {w.window->minimumSize(), QSize(1280, 800)}) {
        w.window->resize(size);
        QApplication::processEvents();
        // What the scroll area shows without scrolling.
        const QWidget* viewport = w.window->findChild<QScrollArea*>("mainScroll")->viewport();
        const QRect central(viewport->mapTo(w.window.get(), QPoint(0, 0)), viewport->size());
        // The visible widgets that stand for a control, in window coordinates. Frames
        // hold other controls, so they are left out of the overlap check.
        std::vector<std::pair<QWidget*, QRect>> controls;
        for (const std::string& name : w.panel().names()) {
            auto* widget = w.find<QWidget>(name.c_str());
            if (w.panel().at(ControlName{name}).kind == ControlKind::Frame || !widget || !widget->isVisible()) continue;
            controls.emplace_back(widget, QRect(widget->mapTo(w.window.get(), QPoint(0, 0)), widget->size()));
        }
        ASSERT_GT(controls.size(), 100u);
        for (const auto& [widget, rect] : controls) {
            EXPECT_TRUE(central.contains(rect)) << widget->objectName().toStdString() << " clipped at " << size.width()
                                                << "x" << size.height();
            const auto* b = qobject_cast<QAbstractButton*>(widget);
            EXPECT_TRUE(!b || b->fontMetrics().horizontalAdvance(b->text()) + 4 <= b->width())
                << b->objectName().toStdString() << " caption cut";
        }
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                    << controls[i].first->objectName().toStdString() << " overlaps "
                    << controls[j].first->objectName().toStdString();
    }

    // It can shrink to a small screen.
    fit_to_screen(*w.window, QSize(1024, 768));
    EXPECT_LE(w.window->minimumWidth(), 1024);
    EXPECT_LE(w.window->minimumHeight(), 768);

    // It starts at most nine tenths of the screen large, but never below its minimum.
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {1024, 768}), QSize(921, 691));
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {3840, 2160}), QSize(1400, 900));
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {640, 480}), QSize(800, 600));
}
