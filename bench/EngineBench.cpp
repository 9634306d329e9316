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

// A realistic evening's conditions on every button panel: two banker groups
// with counts, sums, sum tails, span, smallest/largest, spacing, a killed
// number, odd/big/prime counts and a consecutive pattern.
void setTypicalConditions(any5::MainForm& form) {
    auto& b = form.bankers;
    for (std::size_t i : {9u, 0u, 6u, 7u}) b.C_danma_chu.press(i);  // 01 02 08 09
    b.C_danma_chu_geshu.press(1);
    b.C_danma_chu_geshu.press(2);
    for (std::size_t i : {2u, 4u, 10u}) b.C_danma_chu2.press(i);  // 03 05 11
    auto& s = form.shapes;
    for (std::size_t i : {0u, 1u, 2u, 28u, 29u, 30u}) s.C_sha_hezhi.press(i);
    s.C_zuobian_sha_heiwei.press(3);
    s.C_kuadu_sha.press(0);
    s.C_jiange.press(0);
    s.C_jiange.press(2);
    s.C_tsm_sha.press(5);
    form.minMax.C_min.press(0);
    form.minMax.C_min.press(1);
    form.minMax.C_max.press(5);
    form.minMax.C_max.press(6);
    form.counts.C_jishu_geshu.press(2);
    form.counts.C_jishu_geshu.press(3);
    form.counts.C_dahao_geshu.press(2);
    form.counts.C_zhihe_geshu.press(2);
    form.counts.C_zhihe_geshu.press(3);
    s.C_sha_xingtai_01.press(4);
}

void BM_Any5RunWithConditions(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    setTypicalConditions(form);
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5RunWithConditions)->Unit(benchmark::kMicrosecond);

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
    for (auto _ : state) benchmark::DoNotOptimize(engine::publishAlive(table, ' '));
}
BENCHMARK(BM_Publish462)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
