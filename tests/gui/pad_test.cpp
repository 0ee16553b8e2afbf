// On line to a pseudo-terminal through the serial port, a virtual pad jogs
// axis A: the messages on the wire ramp up by the acceleration and coast back
// down, within the step-size rule.
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include "link/fd_port.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/qt/serial_port.h"
#include "virtual_pad.h"

using namespace kestrova;

namespace {

TEST(Pad, JogsAxisAOnTheWire) {
    auto pty = open_pty_pair();
    ASSERT_TRUE(pty) << pty.error();
    test_support::PadSession s(make_serial_port_opener());
    s.app.link().set_transmitter(nullptr);  // the test is the clock
    ASSERT_TRUE(s.app.link().go_online(pty->path));
    std::vector<std::int32_t> sent;
    auto step_and_read = [&] {
        s.step();
        std::vector<std::uint8_t> got;
        for (int waited = 0; got.size() < long_size && waited < 100; ++waited) {
            pollfd p{pty->master, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            std::uint8_t buf[long_size];
            const ssize_t n = ::read(pty->master, buf, long_size - got.size());
            if (n > 0) got.insert(got.end(), buf, buf + n);
        }
        const auto m = decode_message(got);
        ASSERT_TRUE(m.has_value());
        sent.push_back(m->pos[0]);
    };
    s.pad.dead_man(true);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    for (int i = 0; i < 15; ++i) step_and_read();
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 0);
    for (int i = 0; i < 15; ++i) step_and_read();
    s.app.link().go_offline();
    ::close(pty->master);
    ::close(pty->device_fd);

    std::vector<std::int32_t> steps;
    for (std::size_t i = 1; i < sent.size(); ++i) steps.push_back(sent[i] - sent[i - 1]);
    EXPECT_EQ(sent.front(), 10);
    EXPECT_EQ(steps[0], 20);
    EXPECT_EQ(steps[8], 100) << "full deflection: the F speed";
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_LE(std::abs(steps[i] - steps[i - 1]), 10) << "step " << i;
    EXPECT_EQ(steps.back(), 0) << "coasted to rest";
}

}  // namespace
