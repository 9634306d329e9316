#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "tests/any5/Any5FormFixture.h"
#include "tests/support/RandomPicks.h"
#include "tests/support/ReferenceChecks.h"

// The any-5 button stages work on masks and tables looked up by mask. Their
// reference checks hold each against its rule worked out bet by bet with plain
// arithmetic: on 10,000 seeded random selections read straight from the panels
// (every selection, where a panel has fewer), and on runs whose selections are
// clicked as a player clicks them.
namespace testsupport {

inline constexpr int kReferenceCases = 10000;  // selections per stage, read by the stage
inline constexpr int kClickedRuns = 30;        // and clicked ones, through 【开始缩水】

// What the rules need to know of one bet, each worked out the plain way.
struct ReferenceBet {
    int c[5] = {};  // ascending
    std::string text;
    int sum = 0;
    int odd = 0;
    int prime = 0;
    int bigFrom7 = 0;
    int bigFrom6 = 0;
    int pairs = 0;            // neighbour pairs, 11-01 counted as one
    bool runs[6] = {};        // runs[k]: holds a run of k numbers (k = 3..5)
    std::string arrangement;  // 奇 or 偶 for each number, smallest first

    bool holds(int n) const { return std::find(c, c + 5, n) != c + 5; }
};

// The runs the consecutive panel names, as sets of numbers: x, x+1, ... and
// the runs through 11 and 01 its help admits: 11 01 for two; 10 11 01 and
// 11 01 02 for three; 09 10 11 01 and 11 01 02 03 for four; 08 09 10 11 01 and
// 11 01 02 03 04 for five.
inline std::vector<std::vector<int>> runsOfLength(int length) {
    std::vector<std::vector<int>> runs;
    for (int first = 1; first + length - 1 <= 11; ++first) {
        runs.emplace_back();
        for (int n = first; n < first + length; ++n) runs.back().push_back(n);
    }
    const std::vector<std::vector<int>> throughEleven[] = {{},
                                                           {},
                                                           {{11, 1}},
                                                           {{10, 11, 1}, {11, 1, 2}},
                                                           {{9, 10, 11, 1}, {11, 1, 2, 3}},
                                                           {{8, 9, 10, 11, 1}, {11, 1, 2, 3, 4}}};
    for (const auto& run : throughEleven[length]) runs.push_back(run);
    return runs;
}

inline ReferenceBet referenceBet(const std::array<int, 5>& numbers) {
    ReferenceBet bet;
    std::copy(numbers.begin(), numbers.end(), bet.c);
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d %02d %02d %02d", bet.c[0], bet.c[1], bet.c[2],
                  bet.c[3], bet.c[4]);
    bet.text = text;
    for (int n : bet.c) {
        bet.sum += n;
        bet.odd += n % 2 == 1 ? 1 : 0;
        bet.prime += n == 1 || n == 2 || n == 3 || n == 5 || n == 7 || n == 11 ? 1 : 0;
        bet.bigFrom7 += n >= 7 ? 1 : 0;
        bet.bigFrom6 += n >= 6 ? 1 : 0;
        bet.arrangement += n % 2 == 1 ? "奇" : "偶";
    }
    for (int length = 2; length <= 5; ++length) {
        int held = 0;
        for (const auto& run : runsOfLength(length))
            held += std::all_of(run.begin(), run.end(), [&](int n) { return bet.holds(n); });
        if (length == 2) bet.pairs = held;
        bet.runs[length] = held > 0;
    }
    return bet;
}

class ButtonReferenceFixture : public Any5FormFixture {
protected:
    ButtonReferenceFixture() {
        host.setOnMessage([] {});  // warnings and empty results only inform
        table.generate();
        bets.resize(engine::CandidateTable::kRowCount + 1);
        for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
            std::array<int, 5> numbers{};
            for (int k = 0; k < 5; ++k) numbers[k] = table.number(row, k + 1);
            bets[row] = referenceBet(numbers);
        }
    }

    // The rows a stage strikes on a fresh table against the rows the rule strikes.
    template <class Kills>
    ::testing::AssertionResult agrees(const engine::FilterStage<engine::CandidateTable>& stage,
                                      const Kills& kills) const {
        return stageAgrees(stage, table, bets, kills);
    }

    // The bets a run publishes against the bets the rule keeps, in row order.
    template <class Kills>
    ::testing::AssertionResult runAgrees(const Kills& kills) {
        return sameLines(run(), keptByRule(bets, kills));
    }

    engine::CandidateTable table;
    std::vector<ReferenceBet> bets;  // by row
    std::mt19937 random{20260107};
};

}  // namespace testsupport
