// CSV export and import of the largest move (target: under 150 ms each).
#include <benchmark/benchmark.h>

#include "files/csv_move.h"
#include "largest_move.h"

using namespace kestrova;

namespace {

const std::array<std::string, move_axes> names{"A", "Tilt", "Track", "Focus", "Lens2"};

void BM_CsvExportLargestMove(benchmark::State& state) {
    MoveModel m;
    bench::fill_largest_move(m);
    for (auto _ : state) benchmark::DoNotOptimize(export_csv(m.movepos, m.totalframes, names));
}
BENCHMARK(BM_CsvExportLargestMove)->Unit(benchmark::kMillisecond);

void BM_CsvImportLargestMove(benchmark::State& state) {
    MoveModel m;
    bench::fill_largest_move(m);
    const std::string text = export_csv(m.movepos, m.totalframes, names);
    for (auto _ : state) benchmark::DoNotOptimize(parse_csv(text));
}
BENCHMARK(BM_CsvImportLargestMove)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
