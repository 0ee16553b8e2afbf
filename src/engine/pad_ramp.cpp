#include "engine/pad_ramp.h"

#include <algorithm>

namespace kestrova {

namespace {
bool fkey_drives(const JogState& jog, std::size_t axis) {
    const std::size_t down = 2 * axis, up = down + 1;
    return jog.fkeydown[down] || jog.fkeydown[up] || jog.fkeyup[down] || jog.fkeyup[up];
}
}  // namespace

std::array<bool, move_axes> pad_ramp_step(JogState& jog, const AxisSettings& axes,
                                          std::array<double, axis_count>& curpos) {
    PadJog& pad = jog.pad;
    std::array<bool, move_axes> moved{};
    for (std::size_t a = 0; a < move_axes; ++a) {
        double& v = pad.speed[a];
        if (fkey_drives(jog, a)) {
            v = 0;
            continue;
        }
        const double top = std::clamp(axes.FSpeed[a], 0.0, std::max(0.0, axes.mSpeed[a]));
        const double acc = std::max(0.0, axes.acc[a]);
        const double goal = std::clamp(pad.target[a], -top, top);
        v += std::clamp(goal - v, -acc, acc);
        if (v == 0) continue;
        const double lo = axes.min[a], hi = axes.max[a];
        double to = curpos[a] + v;
        // Pushing against a limit: the axis stops there, so a stick pulled back
        // moves it away at once instead of first braking a speed it does not have.
        if (lo <= hi && (to > hi || to < lo)) {
            to = std::clamp(to, lo, hi);
            v = 0;
        }
        moved[a] = to != curpos[a];
        curpos[a] = to;
    }
    return moved;
}

void pad_let_go(PadJog& pad) {
    pad.target.fill(0);
    pad.speed.fill(0);
}

}  // namespace kestrova
