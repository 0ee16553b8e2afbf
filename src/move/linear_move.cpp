#include "move/linear_move.h"

#include <algorithm>

#include "base/numeric.h"
#include "move/controls.h"
#include "move/fkey_status.h"

namespace kestrova {

namespace {

void linear_axis(MoveModel& m, int axis, const KeyframeCorrections* corr) {
    const int n = std::min(m.keyframe_count(), static_cast<int>(m.kfframe[axis].size()));
    const int rows = m.rows();
    auto position = [&](int k) {
        double p = m.pos_of(axis, k);
        if (corr && k <= correction_rows) p += (*corr)[axis][static_cast<std::size_t>(k - 1)];
        return p;
    };

    // Ramp from 0 at frame 0 to the first keyframe.
    const double f1 = m.frame_of(axis, 1);
    const double p1 = position(1);
    for (int f = 1; f <= std::min<double>(f1, rows); ++f) m.movepos.at(f, axis) = (p1 * f) / f1;
    double s = f1 + 1;
    double q = f1 >= 1 ? (p1 * f1) / f1 : 0.0;

    for (int k = 2; k <= n; ++k) {
        const double fk = m.frame_of(axis, k);
        if (fk < s) continue;  // a second keyframe on one frame: the first one holds
        const double pk = position(k);
        const double span = fk - s + 1;
        // Evaluated as difference, product, division, then the start value.
        const int last = static_cast<int>(std::min<double>(fk, rows));
        for (int f = static_cast<int>(std::max(s, 1.0)); f <= last; ++f)
            m.movepos.at(f, axis) = ((pk - q) * (f - s + 1)) / span + q;
        q = ((pk - q) * span) / span + q;  // the value of frame fk, written or not
        s = fk + 1;
    }
}

}  // namespace

void calculate_linear(MoveModel& move, const KeyframeCorrections* corrections) {
    if (move.keyframe_count() < 1) return;
    for (int a = 0; a < move_axes; ++a) linear_axis(move, a, corrections);
}

void show_keyframe_count(Panel& panel, const MoveModel& move) {
    panel.show(ctl::keyframe_count_box, num::to_text(move.keyframe_count()));
}

void recalculate_linear(MoveContext& ctx) {
    disable_fkeys(ctx.panel, colour::light_red);
    if (ctx.move.nextkf <= 1) return;
    calculate_linear(ctx.move);
    show_keyframe_count(ctx.panel, ctx.move);
    ctx.refresh_chart();
}

}  // namespace kestrova
