#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "engine/Verdicts.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "history/Draw.h"
#include "scheme/Scheme.h"
#include "tests/support/SampleSchemes.h"
#include "toolkit/HeadlessHost.h"
#include "tools/draws/PastDraws.h"

namespace {

// Ten thousand past draws, newest first: some thirty years of a lottery
// drawn every day, or a few months of one drawn every ten minutes.
std::vector<history::Draw> tenThousandDraws() {
    std::mt19937 random(20261209);
    std::array<int, 11> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    std::vector<history::Draw> draws(10000);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        draws[i].issue = std::to_string(2026010000 + draws.size() - i);
        std::copy_n(numbers.begin(), history::kBallCount, draws[i].numbers.begin());
    }
    return draws;
}

// Every condition of the edition set: the two sample schemes together set
// every key, so the second's own keys are added to the first.
// Without `withPast`, the rows read against past draws (and AC值, 012路) are
// left out: the set of conditions before they came.
scheme::Scheme everyCondition(const char* first, const char* second, bool withPast = true) {
    scheme::Scheme a = *scheme::readScheme(first).scheme;
    scheme::Scheme b = *scheme::readScheme(second).scheme;
    if (!withPast) {
        b.repeatCounts = b.neighbourCounts = b.isolatedCounts = {};
        b.hotCounts = b.warmCounts = b.coldCounts = b.acValues = {};
        b.roadCounts = {};
    }
    a.repeatCounts = b.repeatCounts;
    a.neighbourCounts = b.neighbourCounts;
    a.isolatedCounts = b.isolatedCounts;
    a.hotCounts = b.hotCounts;
    a.warmCounts = b.warmCounts;
    a.coldCounts = b.coldCounts;
    a.hotRule = b.hotRule;
    if (a.edition == scheme::Edition::Any5) {
        a.killPositional = b.killPositional;
        a.keepTriples = b.keepTriples;
        a.killQuads = b.killQuads;
        a.basePool = b.basePool;
        a.basePoolEnabled = b.basePoolEnabled;
        a.killSumTails = b.killSumTails;
        a.smallest = b.smallest;
        a.largest = b.largest;
        a.killSpacing = b.killSpacing;
        a.primeCounts = b.primeCounts;
        a.killRuns = b.killRuns;
        a.killParity = b.killParity;
        a.acValues = b.acValues;
        a.roadCounts = b.roadCounts;
    } else {
        a.killPaths = b.killPaths;
        a.killPositions = b.killPositions;
        a.killShapes = b.killShapes;
        a.killPatterns = b.killPatterns;
    }
    a.tolerance = {};
    return a;
}

// One click on a sum button: what the player changes between two runs.
void clickASum(any5::MainForm& form) {
    form.shapes.C_sha_hezhi.press(20);
}
void clickASum(front3::MainForm& form) {
    form.shapes.C_hezhi.press(10);
}

// A click, then the plain run: a fresh table, then every stage strikes in
// run order.
template <class Form, class Table>
void plainRun(benchmark::State& state, const scheme::Scheme& scheme) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    form.past.setStored("bench", tenThousandDraws());
    applyScheme(scheme, form);
    Table table;
    for (auto _ : state) {
        clickASum(form);
        table.generate();
        form.pipeline.apply(table);
        benchmark::DoNotOptimize(&table);
    }
    table.generate();
    form.pipeline.apply(table);
    state.counters["bets"] = static_cast<double>(table.aliveRows().count());
}

// The same run answered condition by condition: each condition's verdict
// (judged again only for the one clicked), every bet's break count and the
// survivors under 容错 0-1.
template <class Form, class Table>
void verdictRun(benchmark::State& state, const scheme::Scheme& scheme) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    form.past.setStored("bench", tenThousandDraws());
    applyScheme(scheme, form);
    Table table;
    engine::Survivors survivors;
    for (auto _ : state) {
        clickASum(form);
        table.generate();
        survivors = engine::survivorsOf(form.pipeline.verdicts(table), {0, 1, {}});
        benchmark::DoNotOptimize(&survivors);
    }
    state.counters["bets"] = static_cast<double>(survivors.rows.count());
    state.counters["conditions"] =
        static_cast<double>(form.pipeline.verdicts(table).conditions.size());
}

// A click on a condition, then a whole press of 【开始缩水】 as the window
// does it (generation, the run, publication), plain or under 容错 0-1, which
// takes the verdicts' road.
template <class Form>
void press(benchmark::State& state, scheme::Scheme scheme, int most) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    form.past.setStored("bench", tenThousandDraws());
    scheme.tolerance = {0, most, {}};
    applyScheme(scheme, form);
    for (auto _ : state) {
        clickASum(form);
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}

// Args: the 容错 maximum, and whether the rows read against past draws (and
// AC值, 012路) are set, against 10,000 stored draws.
void BM_Any5PressAllConditions(benchmark::State& state) {
    press<any5::MainForm>(
        state,
        everyCondition(testsupport::kAny5SchemeA, testsupport::kAny5SchemeB, state.range(1) != 0),
        static_cast<int>(state.range(0)));
}
void BM_Front3PressAllConditions(benchmark::State& state) {
    press<front3::MainForm>(state,
                            everyCondition(testsupport::kFront3SchemeA, testsupport::kFront3SchemeB,
                                           state.range(1) != 0),
                            static_cast<int>(state.range(0)));
}
BENCHMARK(BM_Any5PressAllConditions)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Front3PressAllConditions)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_Any5PlainRunAllConditions(benchmark::State& state) {
    plainRun<any5::MainForm, engine::CandidateTable>(
        state, everyCondition(testsupport::kAny5SchemeA, testsupport::kAny5SchemeB));
}
void BM_Any5VerdictRunAllConditions(benchmark::State& state) {
    verdictRun<any5::MainForm, engine::CandidateTable>(
        state, everyCondition(testsupport::kAny5SchemeA, testsupport::kAny5SchemeB));
}
void BM_Front3PlainRunAllConditions(benchmark::State& state) {
    plainRun<front3::MainForm, front3::CandidateTable>(
        state, everyCondition(testsupport::kFront3SchemeA, testsupport::kFront3SchemeB));
}
void BM_Front3VerdictRunAllConditions(benchmark::State& state) {
    verdictRun<front3::MainForm, front3::CandidateTable>(
        state, everyCondition(testsupport::kFront3SchemeA, testsupport::kFront3SchemeB));
}
BENCHMARK(BM_Any5PlainRunAllConditions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Any5VerdictRunAllConditions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Front3PlainRunAllConditions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Front3VerdictRunAllConditions)->Unit(benchmark::kMicrosecond);

// 回测 of every condition on ten thousand draws. Arg 0: the conditions as
// they were judged last time (only the draws changed); 1: after a click, which
// judges one condition again; 2: a window whose conditions were never judged.
template <class Form>
void backtest(benchmark::State& state, const scheme::Scheme& scheme) {
    toolkit::HeadlessHost host;
    const auto loaded = [&host, &scheme] {
        auto form = std::make_unique<Form>(host);
        form->load();
        form->past.setStored("bench", tenThousandDraws());
        applyScheme(scheme, *form);
        return form;
    };
    std::unique_ptr<Form> form = loaded();
    const std::vector<history::Draw> draws = tenThousandDraws();
    engine::Backtest result = draws::backtestOf(form->lishi.edition(), draws);
    for (auto _ : state) {
        if (state.range(0) == 1) clickASum(*form);
        if (state.range(0) == 2) {
            state.PauseTiming();
            form = loaded();
            state.ResumeTiming();
        }
        result = draws::backtestOf(form->lishi.edition(), draws);
        benchmark::DoNotOptimize(result.draws.data());
    }
    state.counters["conditions"] = static_cast<double>(result.conditions.size());
    state.counters["bets"] = static_cast<double>(result.survivorsToday);
    state.counters["survived"] = static_cast<double>(result.winnersSurvived);
}

// Second arg: whether the rows read against past draws are set; each draw
// then reads its own past.
void BM_BacktestTenThousandDraws(benchmark::State& state) {
    backtest<any5::MainForm>(state, everyCondition(testsupport::kAny5SchemeA,
                                                   testsupport::kAny5SchemeB, state.range(1) != 0));
}
void BM_Front3BacktestTenThousandDraws(benchmark::State& state) {
    backtest<front3::MainForm>(
        state, everyCondition(testsupport::kFront3SchemeA, testsupport::kFront3SchemeB,
                              state.range(1) != 0));
}
BENCHMARK(BM_BacktestTenThousandDraws)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Front3BacktestTenThousandDraws)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// One click on a sum with every condition set, as the window follows it: the
// history takes the step and the report judges the condition again (arg 0);
// and undoing that step, then redoing it, each as the window follows it
// (arg 1, the time of one of the two).
void BM_Any5ClickOrUndoWithEveryCondition(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    form.past.setStored("bench", tenThousandDraws());
    applyScheme(everyCondition(testsupport::kAny5SchemeA, testsupport::kAny5SchemeB), form);
    form.undo.start();
    auto now = scheme::UndoHistory::Clock::now();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            clickASum(form);
            form.tongji.refreshIfChanged();
            form.undo.settle(now += std::chrono::seconds(2));
        } else {
            form.undo.undo();
            form.tongji.refreshIfChanged();
            form.undo.redo();
            form.tongji.refreshIfChanged();
        }
        benchmark::DoNotOptimize(form.tongji.report().rows.data());
    }
    if (state.range(0) == 1) state.SetItemsProcessed(2 * state.iterations());
    state.counters["historyBytes"] = static_cast<double>(form.undo.bytes());
}
BENCHMARK(BM_Any5ClickOrUndoWithEveryCondition)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
