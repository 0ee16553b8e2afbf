// The pseudo-terminal port and the paced sender on a real line.
#include <gtest/gtest.h>

#include "link/fd_port.h"
#include "link/link.h"
#include "link/link_texts.h"
#include "link/paced_sender.h"
#include "pty.h"
#include "started_app.h"

using namespace kestrova;
using test_support::Pty;
using test_support::read_bytes;

TEST(PseudoTerminal, OpeningAMissingDeviceOrAFileSaysWhy) {
    PosixPortOpener opener;
    EXPECT_EQ(opener.open("/dev/kestrova-no-such-port").error(), "No such file or directory");
    EXPECT_EQ(opener.open("/dev/null").error(), link_text::not_serial);
}

TEST(PacedSender, OnTheMonotonicClockSendsTheParkedMessageEveryPeriod) {
    Pty pty;
    PosixPortOpener opener;
    auto opened = opener.open(pty.pair.path);
    ASSERT_TRUE(opened);
    auto& port = opened.value();
    PacedSender sender(std::chrono::milliseconds(5));
    sender.attach(port.get());
    Message m;
    m.bytes = {0x07, 1, 2, 3, 0xA5};
    m.size = 5;
    sender.put(m);
    sender.start(nullptr);
    const auto got = read_bytes(pty.pair.master, 20);
    sender.stop();
    sender.attach(nullptr);
    ASSERT_EQ(got.size(), 20u);
    for (std::size_t i = 0; i < got.size(); i += 5)
        EXPECT_EQ(std::vector<std::uint8_t>(got.begin() + static_cast<long>(i), got.begin() + static_cast<long>(i) + 5),
                  (std::vector<std::uint8_t>{0x07, 1, 2, 3, 0xA5}));
}

// A far end that stops reading without stopping the line: a pseudo-terminal
// takes some 20 KB before a write would block, and nothing can take it back.
// However far the line backs up, the far end gets whole messages in step, and
// the rig goes on from the last of them.
TEST(PseudoTerminal, AFarEndThatStopsReadingGetsWholeMessagesInStepAndNoJump) {
    Pty pty;
    test_support::StartedApp s(std::make_unique<PosixPortOpener>());
    App& app = s.app;
    for (int f = 1; f <= 1500; ++f) app.state().move.movepos.at(f, 0) = 20 * f;
    ASSERT_TRUE(app.link().go_online(pty.pair.path));
    app.state().engine.play.running = true;
    const unsigned before = app.state().notices.status_serial;
    for (int i = 0; i < 1200; ++i) app.tick();
    EXPECT_EQ(app.state().notices.status, link_text::not_reading(pty.pair.path));
    // The kernel moves the pty's buffer to the far side in its own time, so a
    // loaded machine may see the line take one more message and stall again:
    // a second report then, never one a tick.
    EXPECT_GE(app.state().notices.status_serial, before + 1);
    EXPECT_LE(app.state().notices.status_serial, before + 2);
    EXPECT_FALSE(app.state().engine.play.running);

    std::vector<std::uint8_t> got = read_bytes(pty.pair.master);
    for (int i = 0; i < 5; ++i) app.tick();
    const auto more = read_bytes(pty.pair.master);
    got.insert(got.end(), more.begin(), more.end());
    ASSERT_EQ(got.size() % long_size, 0u);
    std::int32_t previous = 0;
    for (std::size_t at = 0; at < got.size(); at += long_size) {
        const auto m = decode_message(std::span(got).subspan(at, long_size));
        ASSERT_TRUE(m) << "message " << at / long_size;
        EXPECT_LE(std::abs(m->pos[0] - previous), 20) << "message " << at / long_size;
        previous = m->pos[0];
    }
}
