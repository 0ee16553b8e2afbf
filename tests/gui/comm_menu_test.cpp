// The Comm menu on the real window: the port on line is listed and ticked,
// and is offered first the next time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/main_window.h"
#include "link/link.h"
#include "link/qt/serial_port.h"
#include "pty.h"
#include "started_app.h"

using namespace kestrova;

namespace {

QMenu* comm_menu(MainWindow& w) {
    auto* menu = w.menuBar()->findChild<QMenu*>("comm");
    if (menu) emit menu->aboutToShow();
    return menu;
}

// The port entries as listed, and which is ticked.
std::vector<std::pair<std::string, bool>> ports(QMenu* menu) {
    std::vector<std::pair<std::string, bool>> out;
    for (QAction* a : menu->actions())
        if (a->objectName().startsWith("commPort:")) out.emplace_back(a->text().toStdString(), a->isChecked());
    return out;
}

}  // namespace

TEST(CommMenu, ThePortOnLineIsTickedRememberedAndOfferedFirst) {
    test_support::Pty pty;
    const std::string device = pty.pair.path;
    {
        test_support::StartedApp s(make_serial_port_opener());
        MainWindow w(s.app);
        QMenu* menu = comm_menu(w);
        ASSERT_TRUE(menu);
        EXPECT_TRUE(menu->findChild<QAction*>("commOffline")->isChecked());

        ASSERT_TRUE(s.app.link().go_online(device)) << s.status();
        menu = comm_menu(w);
        const auto listed = ports(menu);
        ASSERT_FALSE(listed.empty());
        EXPECT_EQ(listed.front(), std::make_pair(device, true));  // remembered as the last one, so first
        for (std::size_t i = 1; i < listed.size(); ++i) EXPECT_FALSE(listed[i].second) << listed[i].first;
        EXPECT_FALSE(menu->findChild<QAction*>("commOffline")->isChecked());

        menu->findChild<QAction*>("commOffline")->trigger();
        EXPECT_FALSE(s.app.link().online());
    }
    // A new start, off line: the last port is offered first, unticked, and goes on line.
    test_support::StartedApp s(make_serial_port_opener());
    MainWindow w(s.app);
    QMenu* menu = comm_menu(w);
    ASSERT_FALSE(ports(menu).empty());
    EXPECT_EQ(ports(menu).front(), std::make_pair(device, false));
    menu->findChild<QAction*>(QString::fromStdString("commPort:" + device))->trigger();
    EXPECT_TRUE(s.app.link().online());
    s.app.link().go_offline();
}
