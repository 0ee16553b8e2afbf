// The move check of the largest move: 32766 frames, five axes.
#include <benchmark/benchmark.h>

#include "check/move_check.h"

#include "largest_move.h"

using namespace kestrova;

namespace {

void BM_MoveCheckLargest(benchmark::State& st) {
    MoveModel m;
    bench::fill_largest_move(m);
    const AxisSettings ax = AxisSettings::defaults();
    std::size_t findings = 0;
    for (auto _ : st) {
        const MoveCheck c = check_move(m, ax, 1);
        findings = 0;
        for (const auto& list : c.axes) findings += list.size();
        benchmark::DoNotOptimize(findings);
    }
    st.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_MoveCheckLargest)->Unit(benchmark::kMillisecond);

void BM_MoveCheckWithSummary(benchmark::State& st) {
    MoveModel m;
    bench::fill_largest_move(m);
    const AxisSettings ax = AxisSettings::defaults();
    const std::array<std::string, move_axes> names = {"", "Tilt", "Track", "Focus", "Lens2"};
    for (auto _ : st) benchmark::DoNotOptimize(check_summary(check_move(m, ax, 1), names));
}
BENCHMARK(BM_MoveCheckWithSummary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
