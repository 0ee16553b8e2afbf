#include <gtest/gtest.h>

#include "link/port_choices.h"

using namespace kestrova;

TEST(PortChoices, LastUsedFirstThenThePortOnLineThenTheSystemsEachOnce) {
    EXPECT_EQ(port_choices({"/dev/ttyS0", "/dev/ttyUSB0"}, "/dev/pts/4", "/dev/ttyUSB0"),
              (std::vector<std::string>{"/dev/ttyUSB0", "/dev/pts/4", "/dev/ttyS0"}));
    EXPECT_EQ(port_choices({"/dev/ttyS0"}, "", ""), (std::vector<std::string>{"/dev/ttyS0"}));
    EXPECT_EQ(port_choices({}, "/dev/pts/2", "/dev/pts/2"), (std::vector<std::string>{"/dev/pts/2"}));
}
