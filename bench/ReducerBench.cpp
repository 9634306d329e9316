#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "reducer/Reducer.h"

// Every play of the survivor sets a player meets: all 165 groups, all 990
// front-3 bets, and any-5 results of 50, 150 and all 462 bets (random subsets
// of a fixed seed), each with the default 3 s limit. The counters give the
// tickets found, the proven bound, and the milliseconds to the first cover and
// to the proof (-1 when the limit came first).
namespace {

using reducer::Survivors;

std::vector<engine::BetMask> allSets(int size) {
    std::vector<engine::BetMask> sets;
    for (unsigned mask = 0; mask < 2048; ++mask) {
        if (engine::countNumbers(static_cast<engine::BetMask>(mask)) == size)
            sets.push_back(static_cast<engine::BetMask>(mask));
    }
    return sets;
}

Survivors allFront3() {
    std::vector<reducer::FirstThree> bets;
    for (std::uint8_t a = 1; a <= 11; ++a) {
        for (std::uint8_t b = 1; b <= 11; ++b) {
            for (std::uint8_t c = 1; c <= 11; ++c) {
                if (a != b && a != c && b != c) bets.push_back({a, b, c});
            }
        }
    }
    return Survivors::front3(std::move(bets));
}

Survivors any5Sample(std::size_t count) {
    auto bets = allSets(5);
    std::mt19937 random(20240611);
    std::shuffle(bets.begin(), bets.end(), random);
    bets.resize(count);
    return Survivors::any5(std::move(bets));
}

void reduceOnce(benchmark::State& state, const Survivors& survivors, reducer::Play play) {
    reducer::Reduction reduction;
    for (auto _ : state) reduction = *reducer::reduce(survivors, play).reduction;
    state.counters["count"] = reduction.count();
    state.counters["bound"] = reduction.lowerBound;
    state.counters["firstMs"] = reduction.secondsToFirstCover * 1000;
    state.counters["proofMs"] = reduction.secondsToProof ? *reduction.secondsToProof * 1000 : -1;
}

void registerSet(const std::string& name, const Survivors& survivors) {
    for (const auto& info : reducer::playsFor(survivors.kind)) {
        const auto play = info.play;
        benchmark::RegisterBenchmark(
            ("Reduce/" + name + "/" + std::string(info.name)).c_str(),
            [survivors, play](benchmark::State& state) { reduceOnce(state, survivors, play); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerSet("groups165", Survivors::groups(allSets(3)));
    registerSet("front3x990", allFront3());
    for (std::size_t count : {50u, 150u, 462u})
        registerSet("any5x" + std::to_string(count), any5Sample(count));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
