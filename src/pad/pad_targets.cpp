#include "pad/pad_targets.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

std::array<double, move_axes> pad_targets(const PadReading& reading, const PadSettings& settings,
                                          const AxisSettings& axes) {
    std::array<double, move_axes> share{};
    for (std::size_t i = 0; i < settings.sticks.size(); ++i) {
        const StickMapping m = settings.sticks[i];
        if (m.axis < 0 || m.axis >= move_axes) continue;
        const double d = std::clamp(reading.sticks[i], -1.0, 1.0);
        if (!(std::fabs(d) > settings.dead_zone)) continue;  // a NaN moves nothing either
        share[static_cast<std::size_t>(m.axis)] += m.inverted ? -d : d;
    }
    std::array<double, move_axes> target{};
    for (std::size_t a = 0; a < move_axes; ++a) target[a] = std::clamp(share[a], -1.0, 1.0) * axes.FSpeed[a];
    return target;
}

}  // namespace kestrova
