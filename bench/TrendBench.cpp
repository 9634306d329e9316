#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "tools/trend/Chart.h"

namespace {

// The trend chart's statistics of 100,000 stored draws, over the newest 50
// (arg 50) or every draw (arg 0), both editions.
void BM_TrendChartOf100000Draws(benchmark::State& state) {
    std::mt19937 random(20261209);
    std::array<int, 11> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    std::vector<history::Draw> draws(100'000);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        draws[i].issue = std::to_string(2000000000 + draws.size() - i);
        std::copy_n(numbers.begin(), history::kBallCount, draws[i].numbers.begin());
    }
    const auto edition = state.range(1) == 0 ? trend::Edition::Any5 : trend::Edition::Front3;
    for (auto _ : state) {
        const trend::Chart chart =
            trend::chartOf(edition, 7, draws, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(chart.stats.data());
    }
}
BENCHMARK(BM_TrendChartOf100000Draws)
    ->ArgsProduct({{50, 0}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
