// The 40 ms clock while the operator resizes the main window: the window
// relayouts and repaints the chart of the largest move at every step of the
// drag, and the messages must still leave on their deadlines. Reports the
// lateness of every message sent during the run (p50, p99, max) and the
// messages sent again because the window's thread missed a step; the same
// without resizing for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/app.h"
#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/qt/main_window.h"
#include "graph/move_graph.h"
#include "link/link.h"
#include "link/qt/frame_clock.h"
#include "move/move_length.h"
#include "shaping/bezier_path.h"

#include "largest_move.h"

#include "null_rig.h"

using namespace kestrova;

namespace {

using bench::NullOpener;

constexpr auto run_length = std::chrono::seconds(3);
constexpr auto settle = std::chrono::milliseconds(500);  // the first layout and paint, not measured
constexpr int resize_every_ms = 15;
constexpr int drag_steps = 20;  // from the small size to the large one

// The started program as `run_program` starts it, on line to a port that takes everything.
struct RunningWindow {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "kestrova-bench-resize";
    App app{(std::filesystem::create_directories(dir), dir), std::make_unique<NullOpener>()};
    std::unique_ptr<MainWindow> window;
    FrameClock* clock = nullptr;

    RunningWindow() {
        app.start();
        window = std::make_unique<MainWindow>(app);
        if (!app.link().go_online("/dev/null-rig")) std::abort();
        AppState& s = app.state();
        bench::fill_largest_move(s.move);
        if (!calculate_bezier(s.move, 20, false)) std::abort();
        set_chart_rows(s.graph, s.move.totalframes);
        s.graph.divisions_per_label = divisions_per_label(s.move.totalframes);
        update_move_check(s);  // the bands where the move asks too much
        draw_graph(graph_context(s));
        window->resize(1280, 720);
        window->show();
        window->sync();
        clock = window->findChild<FrameClock*>();
        if (!clock) std::abort();
        window->start_clock();
    }
    ~RunningWindow() {
        window.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

// CPU time of the calling thread (the window's), whatever else the machine runs.
double thread_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double percentile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return 0;
    const auto at = static_cast<std::size_t>(std::ceil(q * static_cast<double>(sorted.size())));
    return sorted[std::min(sorted.size() - 1, at == 0 ? 0 : at - 1)];
}

// Runs the event loop for the run's length, resizing (or not) as a drag does,
// and gathers the lateness of every message sent after the settling time.
void measure(benchmark::State& st, bool resizing) {
    RunningWindow w;
    PacedSender& sender = w.clock->sender();
    using Clock = RateMeter::Clock;
    std::vector<double> late_ms;
    Clock::time_point seen;
    auto gather = [&] {
        for (const RateMeter::Entry& e : sender.recent_sends()) {
            if (e.sent <= seen) continue;
            seen = e.sent;
            late_ms.push_back(std::chrono::duration<double, std::milli>(e.late).count());
        }
    };
    {
        QEventLoop settling;
        QTimer::singleShot(settle, &settling, &QEventLoop::quit);
        settling.exec();
    }
    seen = Clock::now();
    const unsigned repeated_before = sender.figures().repeated;
    int step = 0, resizes = 0;
    const double cpu_before = thread_cpu_ms();
    for (auto _ : st) {
        QEventLoop loop;
        QTimer drag, poll;
        QObject::connect(&drag, &QTimer::timeout, [&] {
            // A triangle between 1280x720 and 1920x1080, one step per mouse move.
            const int k = step % (2 * drag_steps);
            const double f = double(k <= drag_steps ? k : 2 * drag_steps - k) / drag_steps;
            w.window->resize(1280 + static_cast<int>(640 * f), 720 + static_cast<int>(360 * f));
            ++step;
            ++resizes;
        });
        // The sender holds a little over a second of sends: read them well within that.
        QObject::connect(&poll, &QTimer::timeout, gather);
        if (resizing) drag.start(resize_every_ms);
        poll.start(400);
        QTimer::singleShot(run_length, &loop, &QEventLoop::quit);
        loop.exec();
        gather();
    }
    const double window_cpu_ms = thread_cpu_ms() - cpu_before;
    std::sort(late_ms.begin(), late_ms.end());
    st.counters["late_p50_ms"] = percentile(late_ms, 0.50);
    st.counters["late_p99_ms"] = percentile(late_ms, 0.99);
    st.counters["late_max_ms"] = late_ms.empty() ? 0 : late_ms.back();
    st.counters["messages"] = static_cast<double>(late_ms.size());
    st.counters["repeated"] = sender.figures().repeated - repeated_before;
    st.counters["resizes"] = resizes;
    // The window thread's CPU time per step of the drag (its clock steps included):
    // the repeats above also depend on how much of a core that thread gets.
    st.counters["window_ms_per_resize"] = resizes > 0 ? window_cpu_ms / resizes : 0;
}

void BM_ClockWhileResizing(benchmark::State& st) { measure(st, true); }
BENCHMARK(BM_ClockWhileResizing)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ClockWindowStill(benchmark::State& st) { measure(st, false); }
BENCHMARK(BM_ClockWindowStill)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QApplication::setOrganizationName("Kestrova");
    QApplication::setApplicationName("kestrova-bench");
    // The window's remembered settings go to a test folder, not the operator's.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
