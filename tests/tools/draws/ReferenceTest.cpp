#include "tools/draws/Reference.h"

#include <gtest/gtest.h>

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

}  // namespace
