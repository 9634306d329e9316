#include "tools/draws/Reference.h"

#include <gtest/gtest.h>

#include "engine/Selection.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"
#include "tools/draws/PastPanel.h"
#include "tools/draws/PastScheme.h"

namespace {

using Kind = draws::Edition::Kind;

std::vector<history::Draw> storedDraws(int count) {
    std::vector<history::Draw> newestFirst;
    for (int d = 0; d < count; ++d) {
        // 01 in every draw, 02 in every other, 11 never; 03 07 first.
        history::Draw draw{std::to_string(2026120942 - d), {3, 7, 1, 5, 9}};
        if (d % 2 == 1) draw.numbers = {2, 4, 1, 6, 8};
        newestFirst.push_back(draw);
    }
    return newestFirst;
}

// What the window shows of the reference, from the history or typed, in both
// editions; front-3 reads only the first three numbers of a draw.
TEST(DrawsReference, ThePreviousDrawAndTheClassesAsTheWindowShowsThem) {
    const auto any5 = draws::referenceOf(Kind::Any5, "广东11选5", storedDraws(10));
    EXPECT_EQ(draws::previousLine(any5), "上期：03 07 01 05 09（广东11选5 第 2026120942 期）");
    EXPECT_EQ(any5.newestFirst.front(), engine::maskOf(std::array{1, 3, 5, 7, 9}));
    EXPECT_EQ(draws::heatLine(any5, engine::kAny5HeatRule),
              "热 01 | 温 02 03 04 05 06 07 08 09 | 冷 10 11");

    const auto front3 = draws::referenceOf(Kind::Front3, "广东11选5", storedDraws(3));
    EXPECT_EQ(draws::previousLine(front3), "上期：03 07 01（广东11选5 第 2026120942 期）");
    EXPECT_EQ(front3.newestFirst.back(), engine::maskOf(std::array{1, 3, 7}));
    EXPECT_EQ(draws::heatLine(front3, engine::kFront3HeatRule),
              "热温冷要 10 期开奖历史，现有 3 期");

    const auto typed = draws::typedReference(Kind::Front3, {11, 1, 6, 0, 0});
    EXPECT_EQ(draws::previousLine(typed), "上期：11 01 06（手工输入）");
    EXPECT_EQ(draws::heatLine(typed, engine::kFront3HeatRule), "热温冷要 10 期开奖历史，现有 0 期");
    EXPECT_EQ(draws::previousLine(draws::referenceOf(Kind::Any5, "广东11选5", {})),
              "上期：没有开奖历史，可在“上期号码”里输入");
}

bool isEnabled(const draws::PastPanel& panel, draws::PastPanel::Row row) {
    return panel.row(row)[0].isEnabled();
}

// The panel reads each row by its definition against the reference it has:
// the stored draws, or a previous draw typed by hand, which serves 重号,
// 邻号 and 孤号 only; a row with nothing to read is disabled and says why.
TEST(DrawsPastPanel, RowsReadTheirDefinitionsAndAreDisabledWithNothingToRead) {
    using Row = draws::PastPanel::Row;
    toolkit::HeadlessHost host;
    draws::PastPanel panel(Kind::Any5, host);
    for (const Row row : draws::PastPanel::kRows) {
        EXPECT_FALSE(isEnabled(panel, row));
        EXPECT_FALSE(panel.maskNow(row));
    }
    EXPECT_EQ(panel.missing(Row::Repeat), "缺少开奖历史：没有上期开奖号");
    panel.C_chonghao.press(2);  // disabled: no press
    EXPECT_EQ(panel.C_chonghao.countWithColour(toolkit::palette::kGreen), 0u);

    // 上期 11 01 06 02 10: 12 is no number, so 01 and 11 have one neighbour each.
    panel.T_shangqi.setText("11 01 06 02 10");
    EXPECT_EQ(panel.L_shangqi.caption(), "上期：11 01 06 02 10（手工输入）");
    const engine::BetMask previous = engine::maskOf(std::array{1, 2, 6, 10, 11});
    for (engine::BetMask bet = 0; bet < 0x800; ++bet) {
        if (engine::countNumbers(bet) != 5) continue;
        const auto count = [&panel, bet](Row row) {
            return engine::countNumbers(static_cast<engine::BetMask>(bet & *panel.maskNow(row)));
        };
        ASSERT_EQ(count(Row::Repeat), engine::repeatCount(bet, previous));
        ASSERT_EQ(count(Row::Neighbour), engine::neighbourCount(bet, previous));
        ASSERT_EQ(count(Row::Isolated), engine::isolatedCount(bet, previous));
    }
    EXPECT_EQ(*panel.maskNow(Row::Neighbour), engine::maskOf(std::array{3, 5, 7, 9}));
    EXPECT_TRUE(isEnabled(panel, Row::Isolated));
    EXPECT_FALSE(isEnabled(panel, Row::Cold));
    EXPECT_EQ(panel.L_rewenleng.caption(), "热温冷要 10 期开奖历史，现有 0 期");

    panel.T_shangqi.setText("11 01 06");
    EXPECT_EQ(panel.L_shangqi.caption(), "上期号码不对：应为 5 个号码，这里有 3 个");
    EXPECT_FALSE(isEnabled(panel, Row::Repeat));

    // Stored draws serve every row once the rule's W are kept; a typed
    // previous draw still wins for 重号.
    panel.setStored("广东11选5", storedDraws(9));
    EXPECT_FALSE(isEnabled(panel, Row::Hot));
    panel.setStored("广东11选5", storedDraws(10));
    EXPECT_TRUE(isEnabled(panel, Row::Hot));
    EXPECT_EQ(*panel.maskNow(Row::Hot), engine::maskOf(std::array{1}));
    panel.T_shangqi.setText("");
    EXPECT_EQ(*panel.maskNow(Row::Repeat), engine::maskOf(std::array{1, 3, 5, 7, 9}));
    panel.C_lenghao.press(0);
    EXPECT_FALSE(panel.hasUnreadRow());
    panel.setRule({20, 6, 3});
    EXPECT_TRUE(panel.hasUnreadRow());
    EXPECT_EQ(panel.missing(Row::Cold), "缺少开奖历史：热温冷要 20 期开奖历史，现有 10 期");

    // The rows and the rule are the scheme's; the reference never is.
    scheme::Scheme s;
    draws::capturePast(panel, s);
    EXPECT_EQ(s.coldCounts, scheme::Values{0});
    EXPECT_EQ(s.hotRule, (engine::HeatRule{20, 6, 3}));
    draws::PastPanel other(Kind::Any5, host);
    draws::applyPast(s, other);
    EXPECT_EQ(other.C_lenghao.countWithColour(toolkit::palette::kGreen), 1u);
    EXPECT_EQ(other.rule(), (engine::HeatRule{20, 6, 3}));
    s.hotRule.reset();
    draws::applyPast(s, other);
    EXPECT_EQ(other.rule(), engine::kAny5HeatRule);
}

}  // namespace
