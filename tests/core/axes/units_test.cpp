#include <gtest/gtest.h>

#include "axes/units.h"
#include "base/frame_time.h"

namespace kestrova {
namespace {

TEST(AxisUnits, PositionAndSpeedReadInTheAxisUnit) {
    struct Case {
        double pulses, per_unit;
        const char* unit;
        const char* position;
        const char* speed;  // the same pulses as one frame's step
    };
    const Case cases[] = {
        {1250, 100, "°", "12.50 °", "312.50 °/s"},
        {-5, 2, "mm", "-2.50 mm", "-62.50 mm/s"},
        {-0.001, 1, "mm", "0.00 mm", "-0.03 mm/s"},  // no "-0.00"
        {7.256, 0.5, "", "", "7.26"},                  // no unit: pulses per frame
        {0, 4, "°", "0.00 °", ""},                     // standing still shows no speed
        {3, 0, "°", "", "3"},                          // 0 pulses per unit shows pulses
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(position_in_units(c.pulses, c.per_unit, c.unit), c.position);
        EXPECT_EQ(speed_text(c.pulses, c.per_unit, c.unit), c.speed);
    }
    EXPECT_EQ(unit_caption(next_axis_unit(unit_from_caption("pulses"))), "°");
    EXPECT_EQ(next_axis_unit("mm"), "");
    EXPECT_EQ(unit_from_caption("inch"), "");
    for (const auto& [frames, text] : {std::pair{250.0, "= 10.00 s"}, {1537.0, "= 61.48 s"}, {1.0, "= 0.04 s"},
                                       {0.5, "= 0.02 s"}, {-3.0, "= -0.12 s"}})
        EXPECT_EQ(frames_in_seconds(frames), text);
}

}  // namespace
}  // namespace kestrova
