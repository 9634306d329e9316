#include "engine/CountStages.h"

#include <gtest/gtest.h>

#include "engine/CandidateTable.h"
#include "engine/PastRelative.h"

namespace {

// 重号个数 against a previous draw: the survivors are those counted without
// the table, C(5,k)·C(6,5-k) bets for each green k; without a previous draw,
// or with no count green, nothing is struck.
TEST(CountStages, KeepTheBetsWhoseCountIsGreenAndStrikeNothingWithoutAMask) {
    engine::CandidateTable table;
    table.generate();
    toolkit::ButtonArray counts("C_chonghao", toolkit::plainCaptions(0, 5));
    std::optional<engine::BetMask> previous = engine::maskOf(std::array{3, 7, 1, 11, 5});
    const engine::CountInMaskStage<engine::CandidateTable> stage(counts,
                                                                 [&previous] { return previous; });
    EXPECT_EQ(stage.rowsToKill(table).count(), 0u);  // no count green
    counts[2].setBackColour(toolkit::palette::kGreen);
    EXPECT_EQ(462 - stage.rowsToKill(table).count(), 10u * 20u);
    counts[0].setBackColour(toolkit::palette::kGreen);
    EXPECT_EQ(462 - stage.rowsToKill(table).count(), 10u * 20u + 6u);
    previous.reset();
    EXPECT_EQ(stage.rowsToKill(table).count(), 0u);

    // AC值 0: five numbers evenly spaced, 1 or 2 apart (01..05, 01 03 05 07 09).
    toolkit::ButtonArray ac("C_aczhi", toolkit::plainCaptions(0, 5));
    const engine::MeasureStage<engine::CandidateTable> acStage(ac, engine::acValue);
    ac[0].setBackColour(toolkit::palette::kGreen);
    EXPECT_EQ(462 - acStage.rowsToKill(table).count(), 7u + 3u);
}

}  // namespace
