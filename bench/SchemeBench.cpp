#include <benchmark/benchmark.h>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "scheme/Scheme.h"
#include "tests/support/SampleSchemes.h"
#include "toolkit/HeadlessHost.h"

namespace {

scheme::Scheme sample(const char* text) {
    return scheme::readScheme(text).scheme.value();
}

// "载入方案" without the dialog: the file's text read, checked and set on
// every condition control of the any-5 window.
void BM_SchemeLoad(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    for (auto _ : state) {
        const auto read = scheme::readScheme(testsupport::kAny5SchemeA);
        any5::applyScheme(*read.scheme, form);
        benchmark::DoNotOptimize(form.ParityPatternList.data());
    }
}
BENCHMARK(BM_SchemeLoad)->Unit(benchmark::kMicrosecond);

// "保存方案" without the dialog: the controls read and the file's text written.
void BM_SchemeSave(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    any5::applyScheme(sample(testsupport::kAny5SchemeB), form);
    for (auto _ : state) {
        const std::string text = scheme::writeScheme(any5::captureScheme(form));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SchemeSave)->Unit(benchmark::kMicrosecond);

// A run with every one of the eighteen any-5 conditions set: the two sample
// schemes together (the text boxes hold a few lines each).
void BM_Any5RunAllStagesActive(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    scheme::Scheme all = sample(testsupport::kAny5SchemeA);
    const scheme::Scheme other = sample(testsupport::kAny5SchemeB);
    all.killPositional = other.killPositional;
    all.keepTriples = other.keepTriples;
    all.killQuads = other.killQuads;
    all.killSumTails = other.killSumTails;
    all.killSpacing = other.killSpacing;
    all.primeCounts = other.primeCounts;
    all.killRuns = other.killRuns;
    all.killParity = other.killParity;
    all.smallest = {1, 2, 3};
    all.largest = {9, 10, 11};
    all.basePool = "01 03 04 05 08\n01 03 04 05 10\n01 03 04 06 07\n01 03 04 08 10";
    all.basePoolEnabled = true;
    any5::applyScheme(all, form);
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5RunAllStagesActive)->Unit(benchmark::kMicrosecond);

}  // namespace
