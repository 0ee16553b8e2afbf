// Undo and redo of a Bezier on the largest move: every movepos cell and the
// Bezier samples change, the biggest step an edit (other than a new length) makes.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "move/history_messages.h"
#include "move/move_history.h"
#include "shaping/bezier_path.h"

#include "largest_move.h"

using namespace kestrova;

namespace {

struct BezierStep {
    BezierStep() {
        bench::fill_largest_move(before);
        after = before;
        if (!calculate_bezier(after, 20, false)) std::abort();
    }
    MoveModel before;
    MoveModel after;
};

void BM_UndoBezier(benchmark::State& st) {
    BezierStep s;
    MoveModel m = s.after;
    MoveHistory h;
    h.record(history_msg::label::bezier, s.before, s.after);
    for (auto _ : st) {
        benchmark::DoNotOptimize(h.undo(m).ok());
        st.PauseTiming();
        (void)h.redo(m);
        st.ResumeTiming();
    }
    st.counters["history_MB"] = static_cast<double>(h.bytes()) / (1 << 20);
}
BENCHMARK(BM_UndoBezier)->Unit(benchmark::kMillisecond);

void BM_RedoBezier(benchmark::State& st) {
    BezierStep s;
    MoveModel m = s.after;
    MoveHistory h;
    h.record(history_msg::label::bezier, s.before, s.after);
    for (auto _ : st) {
        st.PauseTiming();
        (void)h.undo(m);
        st.ResumeTiming();
        benchmark::DoNotOptimize(h.redo(m).ok());
    }
}
BENCHMARK(BM_RedoBezier)->Unit(benchmark::kMillisecond);

// What recording costs an action: the copy of the move before it and the comparison after.
void BM_RecordBezier(benchmark::State& st) {
    BezierStep s;
    MoveHistory h;
    for (auto _ : st) {
        h.begin(history_msg::label::bezier, s.before);
        benchmark::DoNotOptimize(h.commit(s.after));
        st.PauseTiming();
        h.clear();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_RecordBezier)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
