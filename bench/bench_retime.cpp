// Fitting the longest move to the rig: 32766 frames, 120 keyframes, five axes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "move/linear_move.h"
#include "retime/retime.h"

using namespace kestrova;

namespace {

// A wavy path through 120 keyframes, too fast in places for the default limits.
MoveModel longest_move() {
    MoveModel m;
    m.totalframes = max_frames;
    m.create_tables(max_frames);
    for (int k = 1; k <= 120; ++k)
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, k) = 1 + (k - 1) * (max_frames - 1) / 119;
            m.pos_of(a, k) = static_cast<std::int32_t>(std::lround(30000 * std::sin(k * 0.37 + a) + 3000 * a));
        }
    m.nextkf = 121;
    calculate_linear(m);
    return m;
}

void run(benchmark::State& st, bool fastest) {
    const MoveModel m = longest_move();
    const AxisSettings ax = AxisSettings::defaults();
    int frames = 0;
    for (auto _ : st) {
        const RetimeRequest request{m, ax, {}, 1.0, 1};
        const auto r = fastest ? fit_fastest(request) : fit_move(request);
        if (!r.ok()) {
            st.SkipWithError(r.error().c_str());
            return;
        }
        frames = r->new_length;
        benchmark::DoNotOptimize(frames);
    }
    st.counters["frames"] = frames;
}

void BM_FitLongestMove(benchmark::State& st) { run(st, false); }
void BM_FastestLongestMove(benchmark::State& st) { run(st, true); }
BENCHMARK(BM_FitLongestMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastestLongestMove)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
