// On line to a pseudo-terminal through the serial port, a virtual pad jogs
// axis A: the messages on the wire ramp up by the acceleration and coast back
// down, within the step-size rule.
#include <gtest/gtest.h>

#include "link/link.h"
#include "link/wire_message.h"
#include "link/qt/serial_port.h"
#include "pty.h"
#include "virtual_pad.h"

using namespace kestrova;

TEST(Pad, JogsAxisAOnTheWire) {
    test_support::Pty rig;
    test_support::PadSession s(make_serial_port_opener());
    s.app.link().set_transmitter(nullptr);  // the test is the clock
    ASSERT_TRUE(s.app.link().go_online(rig.pair.path));
    std::vector<std::int32_t> sent;
    auto steps = [&](int n) {
        for (int i = 0; i < n; ++i) {
            s.step();
            const auto m = decode_message(test_support::read_bytes(rig.pair.master, long_size));
            ASSERT_TRUE(m.has_value());
            sent.push_back(m->pos[0]);
        }
    };
    s.pad.dead_man(true);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    steps(15);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 0);
    steps(15);
    s.app.link().go_offline();

    EXPECT_EQ(sent[0], 10);
    EXPECT_EQ(sent[9] - sent[8], 100) << "full deflection: the F speed";
    for (std::size_t i = 2; i < sent.size(); ++i)
        EXPECT_LE(std::abs(sent[i] - 2 * sent[i - 1] + sent[i - 2]), 10) << "speed changes by the acceleration, message " << i;
    EXPECT_EQ(sent.back(), sent[sent.size() - 2]) << "coasted to rest";
}
