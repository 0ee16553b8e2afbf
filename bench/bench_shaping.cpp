// The move calculations on the largest move: 32766 frames, 5 axes, 200 keyframes.
#include <benchmark/benchmark.h>

#include <cmath>

#include "graph/move_graph.h"
#include "move/linear_move.h"
#include "shaping/bezier_path.h"
#include "shaping/smoothing.h"

#include "largest_move.h"

using namespace kestrova;

namespace {

MoveModel largest_move() {
    MoveModel m;
    bench::fill_largest_move(m);
    return m;
}

void BM_LinearRecalc(benchmark::State& st) {
    MoveModel m = largest_move();
    for (auto _ : st) {
        calculate_linear(m);
        benchmark::DoNotOptimize(m.movepos.at(100, 0));
    }
}
BENCHMARK(BM_LinearRecalc)->Unit(benchmark::kMillisecond);

void BM_BezierPath(benchmark::State& st) {
    MoveModel m = largest_move();
    for (auto _ : st) {
        benchmark::DoNotOptimize(calculate_bezier(m, 20, false).ok());
        benchmark::DoNotOptimize(m.movepos.at(100, 0));
    }
}
BENCHMARK(BM_BezierPath)->Unit(benchmark::kMillisecond);

void BM_SmoothPassWidth10(benchmark::State& st) {
    MoveModel m = largest_move();
    for (auto _ : st) {
        smooth_pass(m, 10);
        benchmark::DoNotOptimize(m.movepos.at(100, 0));
    }
}
BENCHMARK(BM_SmoothPassWidth10)->Unit(benchmark::kMillisecond);

void BM_SpeedTable(benchmark::State& st) {
    MoveModel m = largest_move();
    for (auto _ : st) {
        build_speed_table(m);
        benchmark::DoNotOptimize(m.graphpos.at(100, 0));
    }
}
BENCHMARK(BM_SpeedTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
