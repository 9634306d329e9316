#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/FilterStage.h"
#include "front3/CandidateTable.h"
#include "tests/front3/Front3FormFixture.h"
#include "tests/support/RandomPicks.h"
#include "tests/support/ReferenceChecks.h"

// The front-3 stages work on masks, lookup tables and collected lines. Their
// reference checks hold each against its rule worked out bet by bet with plain
// arithmetic and text searches: on 10,000 seeded random selections or texts
// read straight from the panels (every selection, where a panel has fewer), and
// on runs whose selections are clicked.
namespace testsupport {

inline constexpr int kFront3Cases = 10000;     // random selections per stage, read by the stage
inline constexpr int kFront3ClickedRuns = 30;  // and clicked selections, through 【开始缩水】

// What the front-3 rules need to know of one bet, each worked out the plain way.
struct Front3Bet {
    int t[3] = {};     // by position
    std::string text;  // "03 11 07"
    int sum = 0;
    int span = 0;
    int odd = 0;
    int bigFrom7 = 0;
    int bigFrom6 = 0;
    int neighbourPairs = 0;  // pairs of its numbers next to each other, 11 and 01 included
    int path[3] = {};        // 0-1-2 path of each number by position
    int ascending[3] = {};   // the numbers sorted

    bool holds(int n) const { return t[0] == n || t[1] == n || t[2] == n; }
};

inline bool isOddNumber(int n) {
    return n == 1 || n == 3 || n == 5 || n == 7 || n == 9 || n == 11;
}
inline bool isPrimeNumber(int n) {
    return n == 1 || n == 2 || n == 3 || n == 5 || n == 7 || n == 11;
}

// Path 0 is 03 06 09, path 1 is 01 04 07 10, path 2 is 02 05 08 11.
inline int pathOf(int n) {
    for (int m : {3, 6, 9}) {
        if (n == m) return 0;
    }
    for (int m : {1, 4, 7, 10}) {
        if (n == m) return 1;
    }
    return 2;
}

inline Front3Bet front3Bet(int a, int b, int c) {
    Front3Bet bet;
    bet.t[0] = a;
    bet.t[1] = b;
    bet.t[2] = c;
    char text[12];
    std::snprintf(text, sizeof text, "%02d %02d %02d", a, b, c);
    bet.text = text;
    bet.sum = a + b + c;
    bet.span = std::max({a, b, c}) - std::min({a, b, c});
    for (int k = 0; k < 3; ++k) bet.path[k] = pathOf(bet.t[k]);
    std::copy(bet.t, bet.t + 3, bet.ascending);
    std::sort(bet.ascending, bet.ascending + 3);
    for (int n : bet.t) {
        bet.odd += isOddNumber(n) ? 1 : 0;
        bet.bigFrom7 += n >= 7 ? 1 : 0;
        bet.bigFrom6 += n >= 6 ? 1 : 0;
    }
    const auto neighbours = [](int x, int y) {
        return x - y == 1 || y - x == 1 || (x == 1 && y == 11) || (x == 11 && y == 1);
    };
    bet.neighbourPairs =
        (neighbours(a, b) ? 1 : 0) + (neighbours(a, c) ? 1 : 0) + (neighbours(b, c) ? 1 : 0);
    return bet;
}

class Front3ReferenceFixture : public Front3FormFixture {
protected:
    Front3ReferenceFixture() {
        host.setOnMessage([] {});  // the banker count check only informs
        table.generate();
        bets.resize(front3::CandidateTable::kRowCount + 1);
        for (int row = 1; row <= front3::CandidateTable::kRowCount; ++row)
            bets[row] = front3Bet(table.number(row, 1), table.number(row, 2), table.number(row, 3));
    }

    // The rows a stage strikes on a fresh table against the rows the rule strikes.
    template <class Kills>
    ::testing::AssertionResult agrees(const engine::FilterStage<front3::CandidateTable>& stage,
                                      const Kills& kills) const {
        return stageAgrees(stage, table, bets, kills);
    }

    // The bets a run publishes against the bets the rule keeps, in row order.
    template <class Kills>
    ::testing::AssertionResult runAgrees(const Kills& kills) {
        return sameLines(run(), keptByRule(bets, kills));
    }

    front3::CandidateTable table;
    std::vector<Front3Bet> bets;  // by row
    std::mt19937 random{20260108};
};

}  // namespace testsupport
