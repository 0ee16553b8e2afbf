// Save, load and export of the largest move (32766 frames, 2.6 MB), through the
// program's own operations in a temporary working folder, and the byte codec alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "files/file_panel.h"
#include "files/move_codec.h"
#include "files/move_file.h"
#include "app/app.h"
#include "app/contexts.h"
#include "move/controls.h"

namespace {

using namespace kestrova;

struct LargestMove {
    std::filesystem::path dir;
    std::unique_ptr<App> app;
    LargestMove() {
        std::random_device rd;
        dir = std::filesystem::temp_directory_path() / ("kestrova-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(dir);
        app = std::make_unique<App>(dir);
        app->start();
        app->type(ctl::total_frames_box, std::to_string(max_frames));
        app->press(ctl::set_total_frames_button);
        MoveModel& m = app->state().move;
        for (int f = 1; f <= m.totalframes; ++f)
            for (int a = 0; a < move_axes; ++a) m.movepos.at(f, a) = f * 3.25 - a * 1000.5;
        m.nextkf = 100;
        for (int a = 0; a < move_axes; ++a)
            for (int k = 0; k < 99; ++k) {
                m.kfframe[a][static_cast<std::size_t>(k)] = k * 300 + 1;
                m.kfpos[a][static_cast<std::size_t>(k)] = k * 17;
            }
        app->state().files.selected = "largest";
    }
    ~LargestMove() {
        app.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

void BM_SaveLargestMove(benchmark::State& st) {
    LargestMove m;
    for (auto _ : st) benchmark::DoNotOptimize(save_move_file(files_context(m.app->state()), "largest"));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * move_file_size(max_frames)));
}
BENCHMARK(BM_SaveLargestMove)->Unit(benchmark::kMillisecond);

void BM_LoadLargestMove(benchmark::State& st) {
    LargestMove m;
    save_move_file(files_context(m.app->state()), "largest");
    for (auto _ : st) benchmark::DoNotOptimize(load_move_file(files_context(m.app->state()), "largest"));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * move_file_size(max_frames)));
}
BENCHMARK(BM_LoadLargestMove)->Unit(benchmark::kMillisecond);

void BM_ExportLargestMove(benchmark::State& st) {
    LargestMove m;
    for (auto _ : st) benchmark::DoNotOptimize(export_move_text(files_context(m.app->state())));
}
BENCHMARK(BM_ExportLargestMove)->Unit(benchmark::kMillisecond);

void BM_EncodeDecodeLargestMove(benchmark::State& st) {
    LargestMove m;
    for (auto _ : st) {
        const auto bytes = encode_move(m.app->state().move);
        benchmark::DoNotOptimize(decode_move(bytes).ok());
    }
}
BENCHMARK(BM_EncodeDecodeLargestMove)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
