// One engine tick (single-frame count + engine step) on line to an in-memory
// port: idle, jogging, a positioning ramp and play-back.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "link/link.h"
#include "link/port.h"
#include "app/app.h"

using namespace kestrova;

namespace {

class NullPort : public Port {
public:
    std::string device() const override { return "/dev/null-rig"; }
    bool write(std::span<const std::uint8_t> bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
    std::vector<std::uint8_t> read_all() override { return {}; }
    std::size_t bytes_waiting() const override { return 0; }
    void clear_input() override {}
    bool lost() const override { return false; }
};

class NullOpener : public PortOpener {
public:
    std::unique_ptr<Port> open(const std::string&, std::string&) override { return std::make_unique<NullPort>(); }
    std::vector<std::string> list() const override { return {}; }
};

struct Rig {
    Rig() : dir(std::filesystem::temp_directory_path() / "kestrova-bench-engine"), app(dir, std::make_unique<NullOpener>()) {
        std::filesystem::create_directories(dir);
        app.start();
        app.link().go_online("/dev/null-rig");
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
    EngineState& e = rig.app.state().engine;
    for (int a = 0; a < move_axes; ++a) rig.app.state().axes.FSpeed[static_cast<std::size_t>(a)] = 20;
    std::size_t i = 0;
    for (auto _ : st) {
        // Each axis runs back and forth between its limits.
        for (int a = 0; a < move_axes; ++a) {
            const bool up = (i / 2000) % 2 == 0;
            e.fkeydown[static_cast<std::size_t>(2 * a)] = !up;
            e.fkeydown[static_cast<std::size_t>(2 * a + 1)] = up;
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
        if (!e.posmoving) {
            goal = -goal;
            e.target = {goal, -goal, goal, -goal, goal};
            e.entrytarget = true;
            e.posmoving = true;
            e.gotophase = 1;
        }
        rig.app.tick();
    }
}
BENCHMARK(BM_TickPositioning);

void BM_TickPlayback(benchmark::State& st) {
    Rig rig;
    EngineState& e = rig.app.state().engine;
    for (auto _ : st) {
        if (!e.running) {
            e.running = true;
            e.playframe = 1;
        }
        rig.app.tick();
    }
}
BENCHMARK(BM_TickPlayback);

}  // namespace

BENCHMARK_MAIN();
