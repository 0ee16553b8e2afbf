// The QSerialPort adapter on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>

#include "link/link.h"
#include "link/messages.h"
#include "link/qt/serial_port.h"
#include "pty.h"
#include "started_app.h"

using namespace kestrova;
using test_support::Pty;

// One pseudo-terminal: refused opens, every byte value both ways, and the far end closing.
TEST(SerialPortAdapter, RefusesMissingOrHeldPortsPassesAllByteValuesAndReportsAClosedFarEndOnce) {
    Pty pty;
    test_support::StartedApp s(make_serial_port_opener());
    test_support::StartedApp second(make_serial_port_opener());
    App& app = s.app;
    EXPECT_FALSE(second.app.link().go_online("/dev/kestrova-no-such-port"));
    EXPECT_EQ(second.status().rfind("cannot open /dev/kestrova-no-such-port: ", 0), 0u);

    ASSERT_TRUE(app.link().go_online(pty.pair.path)) << s.notices().status;
    EXPECT_FALSE(second.app.link().go_online(pty.pair.path));
    EXPECT_EQ(second.status(), link_text::port_in_use(pty.pair.path));
    EXPECT_EQ(second.notices().link, link_text::off_line);
    app.link().go_offline();  // let go, the port is free again
    EXPECT_TRUE(second.app.link().go_online(pty.pair.path)) << second.status();
    second.app.link().go_offline();
    ASSERT_TRUE(app.link().go_online(pty.pair.path)) << s.notices().status;

    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(app.link().port()->write(all));
    EXPECT_EQ(test_support::read_bytes(pty.pair.master, 256), all);

    ASSERT_EQ(::write(pty.pair.master, all.data(), all.size()), 256);
    std::vector<std::uint8_t> back;
    QElapsedTimer t;
    t.start();
    while (back.size() < 256 && t.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        auto chunk = app.link().port()->read_all();
        back.insert(back.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(back, all);

    pty.close();
    const unsigned before = s.notices().status_serial;
    t.restart();
    while (t.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        app.tick();
    }
    EXPECT_EQ(s.notices().link, link_text::port_lost);
    EXPECT_EQ(s.notices().status, link_text::lost(pty.pair.path, std::strerror(EIO)));
    EXPECT_EQ(s.notices().status_serial, before + 1);
    EXPECT_FALSE(app.link().online());
}

