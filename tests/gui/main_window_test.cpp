#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "shell/qt/main_window.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Window {
    test_support::TempDir dir;
    App app{dir.path()};
    std::unique_ptr<MainWindow> window;
    Window() {
        app.start();
        window = std::make_unique<MainWindow>(app);
        window->show();
    }
    // Main-window controls only: the setup and help windows reuse some names.
    template <class W>
    W* find(const char* name) {
        return window->centralWidget()->findChild<W*>(QString::fromLatin1(name));
    }
};

}  // namespace

TEST(MainWindow, HasAWidgetForEveryControlOfThePanel) {
    Window w;
    for (const std::string& name : w.app.panel().names()) {
        const bool found = w.window->findChild<QWidget*>(QString::fromStdString(name)) ||
                           w.window->findChild<QAction*>(QString::fromStdString(name)) ||
                           w.window->findChild<QMenu*>(QString::fromStdString(name));
        EXPECT_TRUE(found) << name;
    }
    EXPECT_EQ(w.window->windowTitle(), "Kestrova");
}

TEST(MainWindow, MenusComeInOrder) {
    Window w;
    QStringList titles;
    for (QAction* a : w.window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"File", "Setup", "Comm", "Help"}));
    QStringList file;
    for (QAction* a : w.window->findChild<QMenu*>("Filemenu")->actions()) file << a->text();
    EXPECT_EQ(file, (QStringList{"Load Move", "Save Move", "Export Ascii", "Import Ascii", "Load Setup",
                                 "Save Setup", "Exit"}));
}

TEST(MainWindow, MirrorsTheCoreBothWays) {
    Window w;
    auto* text1 = w.find<QLineEdit>("Text1");
    ASSERT_NE(text1, nullptr);
    w.app.panel().set_text("Text1", "42");
    EXPECT_EQ(text1->text(), "42");
    text1->clear();
    QTest::keyClicks(text1, "17");
    EXPECT_EQ(w.app.panel().text("Text1"), "17");

    auto* small = w.find<QPushButton>("smallversion");
    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_EQ(small->text(), "Small");
    EXPECT_TRUE(w.app.state().engine.smallversionbit);
}

TEST(MainWindow, HiddenControlsStayHidden) {
    Window w;
    EXPECT_FALSE(w.find<QWidget>("warning")->isVisible());
    EXPECT_FALSE(w.find<QWidget>("setupfix")->isVisible());
    EXPECT_FALSE(w.find<QWidget>("CommNo")->isVisible());
    EXPECT_TRUE(w.find<QWidget>("MSChart1")->isVisible());
}

TEST(MainWindow, HelpOpensAsARealWindow) {
    Window w;
    w.window->findChild<QAction*>("help")->trigger();
    EXPECT_TRUE(w.window->help_window()->isVisible());
    QTest::mouseClick(w.window->help_window()->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(w.window->help_window()->isVisible());
}

TEST(MainWindow, FitsAt1400By900) {
    Window w;
    const QSize hint = w.window->minimumSizeHint();

    EXPECT_LE(hint.width(), 1400);
    EXPECT_LE(hint.height(), 900);
    EXPECT_EQ(w.window->size(), QSize(1400, 900));
}

TEST(MainWindow, EnableFKeysGivesTheStatusBoxTheFocus) {
    Window w;
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::mouseClick(w.find<QPushButton>("enFkeys"), Qt::LeftButton);
    EXPECT_EQ(w.app.panel().text("enable"), "F keys enabled");
    EXPECT_TRUE(w.find<QWidget>("enable")->hasFocus());
}
