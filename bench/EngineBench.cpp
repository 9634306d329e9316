#include <benchmark/benchmark.h>

#include "any5/panels/MainForm.h"
#include "app/toolkit/HeadlessHost.h"
#include "engine/CandidateTable.h"
#include "engine/Publication.h"

namespace {

// One whole any-5 run as the start button does it: generation (with a yield
// that returns at once), the pipeline, publication into the result controls.
void BM_Any5Run(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5Run)->Unit(benchmark::kMicrosecond);

void BM_Generate(benchmark::State& state) {
    engine::CandidateTable table;
    for (auto _ : state) {
        table.generate();
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_Generate)->Unit(benchmark::kMicrosecond);

void BM_Publish462(benchmark::State& state) {
    engine::CandidateTable table;
    table.generate();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::publishAlive(table, ' '));
}
BENCHMARK(BM_Publish462)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
