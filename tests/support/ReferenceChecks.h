#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/FilterStage.h"

namespace testsupport {

// The comparisons of the reference checks, for either edition's table. A
// bet of the rule's own reading carries its listed `text`; `bets` is by row,
// row 0 unused.

// The rows a stage strikes on a fresh table against the rows the rule strikes.
template <class Table, class Bet, class Kills>
::testing::AssertionResult stageAgrees(const engine::FilterStage<Table>& stage, const Table& table,
                                       const std::vector<Bet>& bets, const Kills& kills) {
    const auto struck = stage.rowsToKill(table);
    for (std::size_t row = 1; row < bets.size(); ++row) {
        if (struck.test(row) != kills(bets[row]))
            return ::testing::AssertionFailure()
                   << bets[row].text << (struck.test(row) ? " struck" : " kept") << " by the stage";
    }
    return ::testing::AssertionSuccess();
}

// The published lines against the lines the rule gives, with the first difference.
inline ::testing::AssertionResult sameLines(const std::vector<std::string>& published,
                                            const std::vector<std::string>& expected) {
    if (published == expected) return ::testing::AssertionSuccess();
    const auto [p, e] =
        std::mismatch(published.begin(), published.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure()
           << published.size() << " published, the rule gives " << expected.size()
           << "; first difference: " << (p == published.end() ? "-" : *p) << " / "
           << (e == expected.end() ? "-" : *e);
}

// The bets the rule keeps, in row order, as the result list shows them.
template <class Bet, class Kills>
std::vector<std::string> keptByRule(const std::vector<Bet>& bets, const Kills& kills) {
    std::vector<std::string> kept;
    for (std::size_t row = 1; row < bets.size(); ++row) {
        if (!kills(bets[row])) kept.push_back(bets[row].text);
    }
    return kept;
}

}  // namespace testsupport
