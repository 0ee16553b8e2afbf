// The move the benchmarks measure: the longest move, five axes, 200 keyframes
// of a wavy path, calculated linearly.
#pragma once

#include <cmath>
#include <cstdint>

#include "move/linear_move.h"
#include "move/move_model.h"

namespace kestrova::bench {

inline void fill_largest_move(MoveModel& m) {
    m.totalframes = max_frames;
    m.create_tables(max_frames);
    for (int k = 1; k <= 200; ++k) {
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, k) = 1 + (k - 1) * 164;
            m.pos_of(a, k) = static_cast<std::int32_t>(std::lround(20000 * std::sin(k * 0.37 + a) + 3000 * a));
        }
    }
    m.nextkf = 201;
    calculate_linear(m);
}

}  // namespace kestrova::bench
