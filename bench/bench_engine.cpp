// One engine tick (single-frame count + engine step) on line to an in-memory
// port: idle, jogging, a positioning ramp and play-back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

#include "link/link.h"
#include "app/app.h"
#include "engine/positioning.h"

#include "null_rig.h"

using namespace kestrova;

namespace {

using bench::NullOpener;

struct Rig {
    Rig() : dir(std::filesystem::temp_directory_path() / "kestrova-bench-engine"), app(dir, std::make_unique<NullOpener>()) {
        std::filesystem::create_directories(dir);
        app.start();
        if (!app.link().go_online("/dev/null-rig")) throw std::runtime_error("cannot go on line");
        for (int f = 1; f <= app.state().move.totalframes; ++f)
            for (int a = 0; a < move_axes; ++a) app.state().move.movepos.at(f, a) = f * (a + 1) % 4000;
    }
    ~Rig() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
    App app;
};

void BM_TickIdle(benchmark::State& st) {
    Rig rig;
    for (auto _ : st) rig.app.tick();
}
BENCHMARK(BM_TickIdle);

void BM_TickJogging(benchmark::State& st) {
    Rig rig;
    JogState& j = rig.app.state().engine.jog;
    for (int a = 0; a < move_axes; ++a) rig.app.state().axes.FSpeed[static_cast<std::size_t>(a)] = 20;
    std::size_t i = 0;
    for (auto _ : st) {
        // Each axis runs back and forth between its limits.
        for (int a = 0; a < move_axes; ++a) {
            const bool up = (i / 2000) % 2 == 0;
            j.fkeydown[static_cast<std::size_t>(2 * a)] = !up;
            j.fkeydown[static_cast<std::size_t>(2 * a + 1)] = up;
        }
        ++i;
        rig.app.tick();
    }
}
BENCHMARK(BM_TickJogging);

void BM_TickPositioning(benchmark::State& st) {
    Rig rig;
    EngineState& e = rig.app.state().engine;
    double goal = 40000;
    for (auto _ : st) {
        if (e.mode != EngineMode::Positioning && enter(e.mode, EngineMode::Positioning)) {
            goal = -goal;
            e.positioning.target = {goal, -goal, goal, -goal, goal};
            e.positioning.goal_kind = PositionGoal::Typed;
            start_ramp(e.positioning);
        }
        rig.app.tick();
    }
}
BENCHMARK(BM_TickPositioning);

void BM_TickPlayback(benchmark::State& st) {
    Rig rig;
    EngineState& e = rig.app.state().engine;
    for (auto _ : st) {
        if (e.mode != EngineMode::Playing && enter(e.mode, EngineMode::Playing)) e.play.playframe = 1;
        rig.app.tick();
    }
}
BENCHMARK(BM_TickPlayback);

}  // namespace

BENCHMARK_MAIN();
