// The move calculations on the longest move (32766 frames): the wavy move with
// 200 keyframes, and the worst moves the move-file reader accepts, each timed
// for every shaping operation. Target: at most 50 ms per operation.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/notices.h"
#include "base/numeric.h"
#include "base/panel.h"
#include "graph/move_graph.h"
#include "move/controls.h"
#include "move/linear_move.h"
#include "shaping/bezier_path.h"
#include "shaping/controls.h"
#include "shaping/smoothing.h"

#include "largest_move.h"

using namespace kestrova;

namespace {

MoveModel largest_move() {
    MoveModel m;
    bench::fill_largest_move(m);
    return m;
}

// The reader's rules allow at most one keyframe per frame, frames ascending
// within 1..32766, and positions anywhere in the 32-bit range.
enum class Worst {
    EveryFrame,      // 32766 keyframes, one segment per frame (no Bezier samples)
    EverySecond,     // 16383 segments of two frames (one or two samples each)
    OneLongSegment,  // two keyframes, first and last frame: one curve of 32765 steps
};

MoveModel worst_move(Worst kind, double amplitude) {
    MoveModel m;
    m.totalframes = max_frames;
    m.create_tables(max_frames);
    const int step = kind == Worst::EverySecond ? 2 : kind == Worst::OneLongSegment ? max_frames - 1 : 1;
    int row = 0;
    for (int f = 1; f <= max_frames; f += step) {
        ++row;
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, row) = f;
            // Swinging between the extremes: every keyframe a peak or a trough.
            m.pos_of(a, row) = static_cast<std::int32_t>(row % 2 ? -amplitude : amplitude);
        }
    }
    m.nextkf = row + 1;
    calculate_linear(m);
    return m;
}

constexpr double int32_extreme = std::numeric_limits<std::int32_t>::max();
// Small enough for axis E's window sums to fit 32 bits, so the smoothing runs.
constexpr double smoothable = 100000;

void args_for_every_worst_move(benchmark::internal::Benchmark* b) {
    b->ArgName("worst")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
}

void BM_LinearWorst(benchmark::State& st) {
    MoveModel m = worst_move(static_cast<Worst>(st.range(0)), int32_extreme);
    for (auto _ : st) {
        calculate_linear(m);
        benchmark::DoNotOptimize(m.movepos.at(100, 0));
    }
}
BENCHMARK(BM_LinearWorst)->Apply(args_for_every_worst_move);

void bezier_on_worst(benchmark::State& st, bool flat_extremes) {
    MoveModel m = worst_move(static_cast<Worst>(st.range(0)), int32_extreme);
    for (auto _ : st) {
        if (!calculate_bezier(m, 20, flat_extremes)) st.SkipWithError("Bezier refused the move");
        benchmark::DoNotOptimize(m.movepos.at(100, 0));
    }
}
void BM_BezierWorst(benchmark::State& st) { bezier_on_worst(st, false); }
void BM_BezierFlatExtremesWorst(benchmark::State& st) { bezier_on_worst(st, true); }
BENCHMARK(BM_BezierWorst)->Apply(args_for_every_worst_move);
BENCHMARK(BM_BezierFlatExtremesWorst)->Apply(args_for_every_worst_move);

// The main window's boxes that the smoothing reads and writes.
struct SmoothingRig {
    MoveModel move;
    ShapingState shaping;
    Panel panel;
    Notices notices;
    Events events;
    ShapingContext ctx{move, shaping, panel, notices, ctl::shared_readout_box, events};

    SmoothingRig(MoveModel m, const char* width, const char* passes) : move(std::move(m)) {
        for (ControlName n : ctl::move_main_window_controls) panel.add(n, ControlKind::Box);
        for (ControlName n : ctl::shaping_main_window_controls) panel.add(n, ControlKind::Box);
        shaping.width_entry = num::whole_number(width);
        shaping.passes_entry = num::whole_number(passes);
    }
};

// The boxes' design values: width 10, 5 passes.
void BM_SmoothingWorst(benchmark::State& st) {
    SmoothingRig r(worst_move(static_cast<Worst>(st.range(0)), smoothable), "10", "5");
    for (auto _ : st) {
        if (!smooth_all(r.ctx)) st.SkipWithError(r.notices.status.c_str());
        benchmark::DoNotOptimize(r.move.movepos.at(100, 0));
    }
}
BENCHMARK(BM_SmoothingWorst)->Apply(args_for_every_worst_move);

void BM_CorrectedSmoothingWorst(benchmark::State& st) {
    SmoothingRig r(worst_move(static_cast<Worst>(st.range(0)), smoothable), "10", "5");
    for (auto _ : st) {
        if (!corrected_smoothing(r.ctx)) st.SkipWithError(r.notices.status.c_str());
        benchmark::DoNotOptimize(r.move.movepos.at(100, 0));
    }
}
BENCHMARK(BM_CorrectedSmoothingWorst)->Apply(args_for_every_worst_move);

// The most work the smoothing accepts on the longest move: one pass of the
// widest window the work limit allows (its cost grows with width x passes).
void BM_SmoothingAtTheWorkLimit(benchmark::State& st) {
    SmoothingRig r(worst_move(Worst::EveryFrame, 1000), "3814", "1");
    for (auto _ : st) {
        if (!smooth_all(r.ctx)) st.SkipWithError(r.notices.status.c_str());
        benchmark::DoNotOptimize(r.move.movepos.at(100, 0));
    }
}
BENCHMARK(BM_SmoothingAtTheWorkLimit)->Unit(benchmark::kMillisecond);

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
