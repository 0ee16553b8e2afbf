#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QSettings>
#include <QSplitter>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
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
    // The developer tools wait in a window of their own; Setup and Help are menus.
    auto* developer = w.window->findChild<QDialog*>("developerWindow");
    for (const char* name : {"Command2", "Command4", "Command13", "Command18", "Label26", "Command29"})
        EXPECT_TRUE(developer->findChild<QWidget*>(name) && !w.find<QWidget>(name)) << name;
    for (const char* menu : {"setupMenu", "helpMenu"})
        EXPECT_FALSE(w.window->findChild<QMenu*>(menu)->actions().isEmpty()) << menu;
    for (const char* hidden : {"warning", "CommNo"}) EXPECT_FALSE(w.find<QWidget>(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(w.find<QWidget>("MSChart1")->isVisible());
    // Every button the operator can press says what it does: a caption or an icon, and a tooltip.
    for (const QAbstractButton* b : w.window->findChildren<QAbstractButton*>()) {
        if (b->objectName().isEmpty() || b->objectName().startsWith("qt_") || qobject_cast<QTabBar*>(b->parent()))
            continue;  // Qt's own: tab scrollers, extension buttons
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_TRUE(!b->text().isEmpty() || !b->icon().isNull()) << b->objectName().toStdString() << " in " << b->window()->objectName().toStdString();
    }

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
    fit_to_screen(*w.window, QSize(1280, 720));
    EXPECT_LE(w.window->minimumWidth(), 1200);  // with room to spare
    EXPECT_LE(w.window->minimumHeight(), 680);
    // The chart takes most of the window.
    w.window->resize(1280, 800);
    QApplication::processEvents();
    const QSize chart = w.find<QWidget>("MSChart1")->size();
    EXPECT_GE(chart.width(), 1280 * 55 / 100);
    EXPECT_GE(chart.height(), 800 / 2);
    auto* tabs = w.find<QTabWidget>("sidePanels");
    for (const QSize size : {w.window->minimumSize(), QSize(1280, 720), QSize(1280, 800)})
        for (int tab = 0; tab < tabs->count(); ++tab) {  // every side panel in turn
        tabs->setCurrentIndex(tab);
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

// Each shortcut does its command from anywhere in the window, but a text box keeps
// the keys it types with; Ctrl keys reach the window from a box too.
TEST(Shortcuts, EachKeyDoesItsCommandButNotInATextBox) {
    Window w;
    w.window->ask_move_name = [] { return QString("take1"); };
    w.window->ask_save_changes = [](const QString&) { return SaveChoice::discard; };
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    auto* box = w.find<QLineEdit>(ctl::divider_box.str().c_str());
    QWidget* elsewhere = w.find<QWidget>("MSChart1");
    auto mode_is = [&](EngineMode m) { return [&w, m] { return w.engine().mode == m; }; };
    const auto ctrl = Qt::ControlModifier;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        std::function<bool()> done;
        bool box_takes_it;
    };
    const Case cases[] = {
        {Qt::Key_Space, {}, mode_is(EngineMode::Playing), true},
        {Qt::Key_Home, {}, mode_is(EngineMode::Positioning), true},
        {Qt::Key_End, {}, mode_is(EngineMode::GoingToFrame), true},
        {Qt::Key_K, {}, [&] { return w.text(ctl::keyframe_count_box) == "1"; }, true},
        {Qt::Key_O, ctrl, [&] { return w.files().loadmode; }, false},
        {Qt::Key_S, ctrl, [&] { return w.files().savemode; }, false},  // no name yet: the panel asks for one
        {Qt::Key_S, ctrl | Qt::ShiftModifier, [&] { return std::filesystem::exists(w.moves() / "take1"); }, false},
        {Qt::Key_F, ctrl, [&] { return w.app.state().notices.status.starts_with("Fit to rig"); }, false},
    };
    for (const Case& c : cases) {
        const std::string what = QKeySequence(c.key | c.mods).toString().toStdString();
        w.app.stop_everything();
        w.files().loadmode = w.files().savemode = false;
        box->setFocus();
        if (c.box_takes_it) {
            QTest::keyClick(box, c.key, c.mods);
            EXPECT_FALSE(c.done()) << what << " in a box";
        }
        QTest::keyClick(elsewhere, c.key, c.mods);
        EXPECT_TRUE(c.done()) << what;
    }
    // Space stops what moves, and Run looks pressed only while the move plays.
    w.app.stop_everything();
    QTest::keyClick(elsewhere, Qt::Key_Space);
    EXPECT_TRUE(w.window->findChild<QAction*>("runAction")->isChecked());
    QTest::keyClick(elsewhere, Qt::Key_Space);
    EXPECT_EQ(w.engine().mode, EngineMode::Idle);
    EXPECT_FALSE(w.window->findChild<QAction*>("runAction")->isChecked());
}

TEST(WindowLayout, TheOperatorsDividersComeBackAtTheNextStart) {
    QSettings().remove("mainWindow");
    int moved = 0;
    {
        Window w;
        w.window->resize(1280, 800);
        QApplication::processEvents();
        auto* columns = w.window->findChild<QSplitter*>("mainSplitter");
        const QList<int> sizes = columns->sizes();
        moved = sizes[0] + 40;
        columns->setSizes({moved, sizes[1] - 40});
        emit columns->splitterMoved(moved, 1);  // as a drag does
    }
    ASSERT_FALSE(QSettings().value("mainWindow/mainSplitter").toByteArray().isEmpty());
    Window w;
    w.window->resize(1280, 800);
    QApplication::processEvents();
    EXPECT_EQ(w.window->findChild<QSplitter*>("mainSplitter")->sizes()[0], moved);
    QSettings().remove("mainWindow");
}
