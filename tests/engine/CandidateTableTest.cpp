#include "engine/CandidateTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/ScratchTable.h"

namespace {

using engine::CandidateTable;

std::string rowText(const CandidateTable& table, int row) {
    std::string text;
    for (int k = 1; k <= 5; ++k) {
        if (k > 1) text += ' ';
        text += std::to_string(table.number(row, k));
    }
    return text;
}

TEST(CandidateTable, StartsAllZeroUntilGenerated) {
    CandidateTable table;
    for (int row = 0; row <= 462; ++row) {
        for (int column = 0; column <= 6; ++column) {
            ASSERT_EQ(table.cell(row, column), 0);
        }
    }
}

TEST(CandidateTable, RowsFollowTheLexicographicOrder) {
    CandidateTable table;
    table.generate();
    const std::pair<int, const char*> expected[] = {
        {1, "1 2 3 4 5"},   {2, "1 2 3 4 6"},   {7, "1 2 3 4 11"},    {210, "1 8 9 10 11"},
        {211, "2 3 4 5 6"}, {337, "3 4 5 6 7"}, {462, "7 8 9 10 11"},
    };
    for (const auto& [row, bet] : expected) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rowText(table, row), bet);
    }
}

TEST(CandidateTable, HoldsEveryFiveSetOnceAscendingAliveWithItsMask) {
    CandidateTable table;
    table.generate();
    std::set<engine::BetMask> seen;
    for (int row = 1; row <= 462; ++row) {
        SCOPED_TRACE(row);
        engine::BetMask mask = 0;
        for (int k = 1; k <= 5; ++k) {
            const int n = table.number(row, k);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 11);
            if (k > 1) {
                ASSERT_LT(table.number(row, k - 1), n);
            }
            mask |= static_cast<engine::BetMask>(1u << (n - 1));
        }
        EXPECT_EQ(table.mask(row), mask);
        EXPECT_EQ(table.cell(row, 6), 0);
        EXPECT_EQ(table.cell(row, 0), 0);
        seen.insert(mask);
    }
    EXPECT_EQ(seen.size(), 462u);
    for (int column = 0; column <= 6; ++column) EXPECT_EQ(table.cell(0, column), 0);
}

TEST(CandidateTable, GenerationYieldsOncePerRowAndRevivesKilledRows) {
    CandidateTable table;
    table.generate();
    table.kill(5);
    CandidateTable::RowSet some;
    some.set(1).set(462);
    table.killRows(some);
    EXPECT_EQ(table.cell(5, 6), 1);
    EXPECT_EQ(table.aliveRows().count(), 459u);
    EXPECT_FALSE(table.aliveRows().test(0));

    int yields = 0;
    table.generate([&] { ++yields; });
    EXPECT_EQ(yields, 462);
    EXPECT_EQ(table.aliveRows().count(), 462u);
}

TEST(ScratchTable, IsAFreshTableEachTimeAndLeavesTheCandidateTableAlone) {
    CandidateTable table;
    table.generate();
    table.kill(3);
    engine::ScratchTable scratch;
    EXPECT_FALSE(scratch.exists());
    const auto& first = scratch.regenerate();
    EXPECT_EQ(first.aliveRows().count(), 462u);
    EXPECT_EQ(rowText(first, 211), "2 3 4 5 6");
    EXPECT_TRUE(table.isKilled(3));
    EXPECT_EQ(table.aliveRows().count(), 461u);
}

}  // namespace
