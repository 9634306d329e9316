#include "reducer/Reducer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <random>
#include <thread>

#include "tests/reducer/LotteryRules.h"

namespace {

using reducer::Play;
using reducer::SurvivorKind;
using reducer::Survivors;

std::vector<engine::BetMask> allSets(int size) {
    std::vector<engine::BetMask> sets;
    for (unsigned mask = 1; mask < 2048; ++mask) {
        if (std::popcount(mask) == size) sets.push_back(static_cast<engine::BetMask>(mask));
    }
    return sets;
}

std::vector<reducer::FirstThree> allFirstThrees() {
    std::vector<reducer::FirstThree> bets;
    for (const auto& ticket : lotteryrules::allTickets(Play::Front3Direct))
        bets.push_back({ticket.numbers[0], ticket.numbers[1], ticket.numbers[2]});
    return bets;
}

Survivors allOf(SurvivorKind kind) {
    if (kind == SurvivorKind::Front3) return Survivors::front3(allFirstThrees());
    return {kind, allSets(kind == SurvivorKind::Any5 ? 5 : 3), {}};
}

// `count` different survivors of a kind, drawn with `seed`.
Survivors randomSurvivors(SurvivorKind kind, std::size_t count, unsigned seed) {
    auto all = allOf(kind);
    std::mt19937 random(seed);
    std::shuffle(all.sets.begin(), all.sets.end(), random);
    std::shuffle(all.ordered.begin(), all.ordered.end(), random);
    all.sets.resize(std::min(count, all.sets.size()));
    all.ordered.resize(std::min(count, all.ordered.size()));
    return all;
}

// The fewest tickets, by breadth-first search over the sets of survivors
// that some tickets win for; each step adds a ticket that wins for the first
// survivor still open, which every cover must hold.
int bruteForceMinimum(const Survivors& survivors, Play play) {
    const auto n = survivors.size();
    std::vector<std::vector<std::uint32_t>> choicesFor(n);
    for (const auto& ticket : lotteryrules::allTickets(play)) {
        std::uint32_t won = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (lotteryrules::wins(play, ticket, lotteryrules::drawOf(survivors, i)))
                won |= 1u << i;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (won >> i & 1u) choicesFor[i].push_back(won);
        }
    }
    const std::uint32_t all = (1u << n) - 1;
    std::vector<bool> seen(std::size_t{1} << n);
    std::vector<std::uint32_t> level{0};
    for (int count = 0;; ++count) {
        std::vector<std::uint32_t> next;
        for (const auto state : level) {
            if (state == all) return count;
            for (const auto won : choicesFor[static_cast<std::size_t>(std::countr_one(state))]) {
                if (!seen[state | won]) next.push_back(state | won);
                seen[state | won] = true;
            }
        }
        level = std::move(next);
    }
}

// The guarantee, the prizes and the bound of a reduction, checked by the rules.
void expectSound(const Survivors& survivors, Play play, const reducer::Reduction& reduction) {
    EXPECT_EQ(lotteryrules::guaranteeFault(survivors, play, reduction.tickets), "");
    const auto counts = lotteryrules::winCounts(survivors, play, reduction.tickets);
    const int prize = reducer::playInfo(play).prize;
    EXPECT_EQ(reduction.leastPrize, *std::min_element(counts.begin(), counts.end()) * prize);
    EXPECT_EQ(reduction.mostPrize, *std::max_element(counts.begin(), counts.end()) * prize);
    EXPECT_LE(reduction.lowerBound, reduction.count());
    EXPECT_EQ(reduction.isProven(), reduction.secondsToProof.has_value());
}

std::string caseName(const Survivors& survivors, Play play) {
    return std::string(reducer::resultName(survivors.kind)) + " " +
           std::to_string(survivors.size()) + " 注, " + std::string(reducer::playInfo(play).name);
}

TEST(Reducer, SmallResultsGetTheBruteForceMinimumProven) {
    unsigned seed = 1;
    for (auto kind : {SurvivorKind::Any5, SurvivorKind::Front3, SurvivorKind::Groups}) {
        for (const auto& info : reducer::playsFor(kind)) {
            for (std::size_t size : {1u, 6u, 13u, 20u}) {
                const auto survivors = randomSurvivors(kind, size, ++seed);
                SCOPED_TRACE(caseName(survivors, info.play));
                reducer::Options options;
                options.timeLimitSeconds = 30;
                const auto reduction = *reducer::reduce(survivors, info.play, options).reduction;
                expectSound(survivors, info.play, reduction);
                EXPECT_EQ(reduction.count(), bruteForceMinimum(survivors, info.play));
                EXPECT_TRUE(reduction.isProven());
            }
        }
    }
}

// Every bet or group left: the fewest tickets where they are known (a
// graph without 5 independent numbers needs 10 edges, one without 3 needs
// 25; the covering designs C(11, 7, 6) = 84 and C(11, 8, 5) = 16), and
// otherwise the best bound known.
TEST(Reducer, FullResultsMeetTheirKnownMinimumOrBound) {
    struct Case {
        SurvivorKind kind;
        Play play;
        int bound;
        bool isProven;
    };
    const Case cases[] = {
        {SurvivorKind::Any5, Play::Any2, 10, true},
        {SurvivorKind::Any5, Play::Any3, 28, false},
        {SurvivorKind::Any5, Play::Any4, 84, true},
        {SurvivorKind::Any5, Play::Any5, 462, true},
        {SurvivorKind::Any5, Play::Any6, 96, false},
        {SurvivorKind::Any5, Play::Any7, 30, false},
        {SurvivorKind::Any5, Play::Any8, 16, true},
        {SurvivorKind::Front3, Play::Front1, 11, true},
        {SurvivorKind::Front3, Play::Front2Direct, 110, true},
        {SurvivorKind::Front3, Play::Front2Group, 55, true},
        {SurvivorKind::Front3, Play::Front3Direct, 990, true},
        {SurvivorKind::Front3, Play::Front3Group, 165, true},
        {SurvivorKind::Front3, Play::Any2, 25, true},
        {SurvivorKind::Groups, Play::Front3Group, 165, true},
        {SurvivorKind::Groups, Play::Any2, 25, true},
    };
    for (const auto& c : cases) {
        const auto survivors = allOf(c.kind);
        SCOPED_TRACE(caseName(survivors, c.play));
        reducer::Options options;
        // Long enough for a loaded machine to reach a known least; it ends there.
        options.timeLimitSeconds = c.isProven ? 300 : 0.5;
        const auto reduction = *reducer::reduce(survivors, c.play, options).reduction;
        expectSound(survivors, c.play, reduction);
        EXPECT_GE(reduction.lowerBound, c.bound);
        EXPECT_EQ(reduction.isProven(), c.isProven);
        if (c.isProven) {
            EXPECT_EQ(reduction.count(), c.bound);
        }
    }
}

TEST(Reducer, BadInputIsOneLineInsteadOfAReduction) {
    const auto any5 = randomSurvivors(SurvivorKind::Any5, 5, 1);
    const auto groups = randomSurvivors(SurvivorKind::Groups, 5, 1);
    const auto front3 = randomSurvivors(SurvivorKind::Front3, 5, 1);
    struct Case {
        Survivors survivors;
        Play play;
        double seconds;
        const char* error;
    };
    const Case cases[] = {
        {Survivors::any5({}), Play::Any2, 3, "没有可缩的号码：缩水结果为空"},
        {Survivors::front3({}), Play::Front1, 3, "没有可缩的号码：缩水结果为空"},
        {groups, Play::Front2Direct, 3, "组选结果不能用 前二直选 缩票"},
        {any5, Play::Front1, 3, "任选五结果不能用 前一 缩票"},
        {front3, Play::Any3, 3, "前三结果不能用 任选三 缩票"},
        {any5, Play::Any2, 0, "时间限制必须是正数"},
        {any5, Play::Any2, -1, "时间限制必须是正数"},
        {any5, Play::Any2, std::nan(""), "时间限制必须是正数"},
        {any5, Play::Any2, INFINITY, "时间限制必须是正数"},
        {Survivors::any5({0x1F, 0xF}), Play::Any2, 3, "第 2 注不是 5 个不同的号码（01 到 11）"},
        {Survivors::any5({0x80F}), Play::Any2, 3, "第 1 注不是 5 个不同的号码（01 到 11）"},
        {Survivors::groups({0x7, 0x7, 0xF}), Play::Any2, 3,
         "第 3 注不是 3 个不同的号码（01 到 11）"},
        {Survivors::front3({{1, 2, 3}, {4, 4, 5}}), Play::Front1, 3,
         "第 2 注不是 3 个不同的号码（01 到 11）"},
        {Survivors::front3({{12, 2, 3}}), Play::Front1, 3,
         "第 1 注不是 3 个不同的号码（01 到 11）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        reducer::Options options;
        options.timeLimitSeconds = c.seconds;
        const auto result = reducer::reduce(c.survivors, c.play, options);
        EXPECT_FALSE(result.reduction.has_value());
        EXPECT_EQ(result.error, c.error);
    }
}

// 任选六 over all 462 bets cannot be proven in a lifetime, so the search
// runs until the other thread stops it, and keeps its best cover.
TEST(Reducer, StopFromAnotherThreadKeepsTheBestCover) {
    const auto survivors = allOf(SurvivorKind::Any5);
    std::atomic<double> lastReport{0};
    std::vector<reducer::Progress> progress;
    std::optional<reducer::ReduceResult> result;
    std::jthread worker([&](std::stop_token stop) {
        reducer::Options options;
        options.timeLimitSeconds = 600;
        options.stop = stop;
        options.onProgress = [&](const reducer::Progress& p) {
            progress.push_back(p);
            lastReport = p.elapsedSeconds;
        };
        result = reducer::reduce(survivors, Play::Any6, options);
    });
    // Long enough for both searches to report.
    while (lastReport < 0.5) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    worker.request_stop();
    worker.join();

    const auto& reduction = *result->reduction;
    EXPECT_TRUE(reduction.wasStopped);
    expectSound(survivors, Play::Any6, reduction);
    EXPECT_LE(reduction.count(), progress.back().bestCount);
    for (std::size_t i = 1; i < progress.size(); ++i) {
        EXPECT_LE(progress[i].bestCount, progress[i - 1].bestCount);
        EXPECT_GE(progress[i].lowerBound, progress[i - 1].lowerBound);
        EXPECT_GE(progress[i].elapsedSeconds, progress[i - 1].elapsedSeconds);
    }
}

}  // namespace
