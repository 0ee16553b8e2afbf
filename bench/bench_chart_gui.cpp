// The chart inside a running QApplication: a full redraw of the largest move,
// a keyframe edit through to the redrawn chart, a step of a keyframe's drag, the unreduced series for
// comparison, and the core calculations again (they must not slow down once
// Qt is up).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineSeries>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "graph/move_graph.h"
#include "graph/qt/move_chart_view.h"
#include "move/controls.h"
#include "move/linear_move.h"
#include "shaping/bezier_path.h"
#include "shaping/smoothing.h"
#include "app/app.h"
#include "app/contexts.h"
#include "app/keyframe_drag.h"

#include "largest_move.h"

using namespace kestrova;

namespace {

void program_largest_move(AppState& s) {
    bench::fill_largest_move(s.move);
    if (!calculate_bezier(s.move, 20, false)) std::abort();
}

struct ChartBench {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "kestrova-bench-chart";
    App app{(std::filesystem::create_directories(dir), dir)};
    MoveChartView view{graph_context(app.state()), nullptr};
    ChartBench() {
        app.start();
        program_largest_move(app.state());
        view.resize(1100, 420);
        view.show();
        draw_graph(graph_context(app.state()));
        view.sync();
        paint();
    }
    ~ChartBench() { std::filesystem::remove_all(dir); }
    // Everything up to the pixels: pending layout, then a full render.
    void paint() {
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.grab());
    }
};

void BM_ChartFullRedraw(benchmark::State& st) {
    ChartBench b;
    for (auto _ : st) {
        draw_graph(graph_context(b.app.state()));
        b.view.sync();
        b.paint();
    }
}
BENCHMARK(BM_ChartFullRedraw)->Unit(benchmark::kMillisecond);

// Argument: the view shown (0 position, 1 speed, 2 acceleration).
void BM_KeyframeEditToRedrawnChart(benchmark::State& st) {
    ChartBench b;
    show_quantity(graph_context(b.app.state()), static_cast<GraphState::Quantity>(st.range(0)));
    b.app.state().engine.curpos = {1234, 567, 89, 10, 11, 0, 0, 0};
    bool add = true;
    for (auto _ : st) {
        b.app.type(ctl::keyframe_frame_box, "16000");
        b.app.press(add ? ctl::add_keyframe_button : ctl::delete_keyframe_button);
        add = !add;
        b.view.sync();
        b.paint();
    }
}
BENCHMARK(BM_KeyframeEditToRedrawnChart)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One step of a keyframe marker's drag on the Bezier-shaped move: the move
// put back, the keyframe moved in time and position, Bezier again, redrawn.
void BM_KeyframeDragUpdate(benchmark::State& st) {
    ChartBench b;
    KeyframeDrag drag(b.app.state());
    const int frame = b.app.state().move.frame_of(0, 100);
    if (!drag.begin(2, frame)) std::abort();
    int step = 0;
    for (auto _ : st) {
        ++step;
        benchmark::DoNotOptimize(drag.update(frame + step % 50, 1000.0 * (step % 7), DragKeep::nothing));
        b.view.sync();
        b.paint();
    }
    drag.end(false);
}
BENCHMARK(BM_KeyframeDragUpdate)->Unit(benchmark::kMillisecond);

// What drawing every frame would cost: the reason for the per-column reduction.
void BM_UnreducedSeriesRedraw(benchmark::State& st) {
    ChartBench b;
    const auto& series = b.app.state().graph.series;
    for (auto _ : st) {
        for (int c = 0; c < chart_lines; ++c) {
            QList<QPointF> all;
            all.reserve(static_cast<qsizetype>(series[static_cast<std::size_t>(c)].size()));
            for (std::size_t f = 0; f < series[static_cast<std::size_t>(c)].size(); ++f)
                all.append(QPointF(double(f + 1), series[static_cast<std::size_t>(c)][f]));
            static_cast<QLineSeries*>(b.view.chart()->series()[c])->replace(all);
        }
        b.paint();
    }
}
BENCHMARK(BM_UnreducedSeriesRedraw)->Unit(benchmark::kMillisecond);

// The same move without a window: a static widget would outlive the QApplication.
MoveModel& core_move() {
    static MoveModel m = [] {
        MoveModel made;
        bench::fill_largest_move(made);
        if (!calculate_bezier(made, 20, false)) std::abort();
        return made;
    }();
    return m;
}

void BM_LinearRecalcInQApp(benchmark::State& st) {
    MoveModel& m = core_move();
    for (auto _ : st) calculate_linear(m);
}
BENCHMARK(BM_LinearRecalcInQApp)->Unit(benchmark::kMillisecond);

void BM_BezierPathInQApp(benchmark::State& st) {
    MoveModel& m = core_move();
    for (auto _ : st) benchmark::DoNotOptimize(calculate_bezier(m, 20, false).ok());
}
BENCHMARK(BM_BezierPathInQApp)->Unit(benchmark::kMillisecond);

void BM_SmoothPassWidth10InQApp(benchmark::State& st) {
    MoveModel& m = core_move();
    for (auto _ : st) smooth_pass(m, 10);
}
BENCHMARK(BM_SmoothPassWidth10InQApp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
