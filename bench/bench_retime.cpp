// Retiming long moves of 120 keyframes on five axes with the start-up limits:
// Fit on one too sharp at its keyframes for the acceleration (20000 frames,
// its fit still within the longest move), Fastest on a slow one of the longest
// length, and the same rounded.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "move/linear_move.h"
#include "retime/retime.h"

using namespace kestrova;

namespace {

// A wavy path through 120 keyframes.
MoveModel wavy_move(int frames, double amplitude) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    for (int k = 1; k <= 120; ++k)
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, k) = 1 + (k - 1) * (frames - 1) / 119;
            m.pos_of(a, k) = static_cast<std::int32_t>(std::lround(amplitude * std::sin(k * 0.37 + a) + 3000 * a));
        }
    m.nextkf = 121;
    calculate_linear(m);
    return m;
}

void run(benchmark::State& st, const MoveModel& m, bool fastest) {
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
    st.counters["from"] = m.totalframes;
    st.counters["frames"] = frames;
}

// Rounded by moving averages: no two old frames in one straight line.
MoveModel smoothed(MoveModel m) {
    for (int pass = 0; pass < 3; ++pass)
        for (int a = 0; a < move_axes; ++a)
            for (int f = 2; f < m.totalframes; ++f)
                m.movepos.at(f, a) = (m.movepos.at(f - 1, a) + m.movepos.at(f, a) + m.movepos.at(f + 1, a)) / 3;
    return m;
}

void BM_FitSharpMove(benchmark::State& st) { run(st, wavy_move(20000, 35000), false); }
void BM_FitSharpLongMove(benchmark::State& st) { run(st, wavy_move(32000, 36000), false); }
void BM_FastestSmoothLongestMove(benchmark::State& st) { run(st, smoothed(wavy_move(max_frames, 3000)), true); }
void BM_FastestSlowLongestMove(benchmark::State& st) { run(st, wavy_move(max_frames, 3000), true); }
BENCHMARK(BM_FitSharpMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitSharpLongMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastestSlowLongestMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastestSmoothLongestMove)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
