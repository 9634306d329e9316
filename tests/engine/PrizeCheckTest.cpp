#include "engine/PrizeCheck.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using engine::PrizeCheck;

enum class Kind { Any5, Front3Direct, Front3Groups };

// The draw is 03 07 01 11 05 throughout: drawn set {1 3 5 7 11}, first three
// 03 07 01, first two 03 07.
constexpr std::array<int, 5> kDraw{3, 7, 1, 11, 5};

struct Case {
    const char* name;
    Kind kind;
    const char* result;  // as published or pasted
    std::vector<std::vector<int>> bets;
    std::array<int, 6> sharing;
    bool directHit;
    bool groupHit;
    int firstTwo;
};

PrizeCheck checkOf(const Case& c, const std::vector<std::vector<int>>& bets) {
    if (c.kind == Kind::Any5) return engine::checkAny5(bets, kDraw);
    return engine::checkFront3(bets, kDraw, c.kind == Kind::Front3Groups);
}

TEST(PrizeCheck, CountsHitsOfHandWorkedResults) {
    const Case cases[] = {
        {"any-5, each share once",
         Kind::Any5,
         "01 03 05 07 11\r\n01 02 03 05 07\r\n02 03 05 07 09\r\n01 02 04 06 08\r\n02 04 06 08 09",
         {{1, 3, 5, 7, 11}, {1, 2, 3, 5, 7}, {2, 3, 5, 7, 9}, {1, 2, 4, 6, 8}, {2, 4, 6, 8, 9}},
         {1, 1, 0, 1, 1, 1},
         false,
         false,
         0},
        {"any-5, lines that are no bet of five are left out",
         Kind::Any5,
         "\r\n01 02 03 04\r\n01 02 03 04 05 06\nnot a bet\r\n01 01 02 03 04\r\n02,04,06,08,10",
         {{2, 4, 6, 8, 10}},
         {1, 0, 0, 0, 0, 0},
         false,
         false,
         0},
        {"any-5, line breaks of every kind, numbers run together",
         Kind::Any5,
         "0103050711\n1,3,5,7,10\r04 05 06 08 09\r\n",
         {{1, 3, 5, 7, 11}, {1, 3, 5, 7, 10}, {4, 5, 6, 8, 9}},
         {0, 1, 0, 0, 1, 1},
         false,
         false,
         0},
        {"any-5, nothing listed", Kind::Any5, "", {}, {}, false, false, 0},
        {"front-3 direct, the winner and its first two",
         Kind::Front3Direct,
         "03 07 01\r\n03 07 02\r\n07 03 01\r\n01 02 04\r\n03 01 07",
         {{3, 7, 1}, {3, 7, 2}, {7, 3, 1}, {1, 2, 4}, {3, 1, 7}},
         {},
         true,
         true,
         2},
        {"front-3 direct, only another ordering; five-number lines are no bets",
         Kind::Front3Direct,
         "01 03 07\r\n03 07 01 11 05\r\n07 03 09",
         {{1, 3, 7}, {7, 3, 9}},
         {},
         false,
         true,
         0},
        {"front-3 direct, the first two without the third",
         Kind::Front3Direct,
         "03 07 05\r\n03 07 11",
         {{3, 7, 5}, {3, 7, 11}},
         {},
         false,
         false,
         2},
        {"front-3 groups, the winner's group and groups holding 03 and 07",
         Kind::Front3Groups,
         "01 03 07\r\n03 07 09\r\n02 03 07\r\n01 03 11\r\n05 07 09",
         {{1, 3, 7}, {3, 7, 9}, {2, 3, 7}, {1, 3, 11}, {5, 7, 9}},
         {},
         false,
         true,
         3},
        {"front-3 groups, a line in the winner's order is no direct hit",
         Kind::Front3Groups,
         "03 07 01",
         {{3, 7, 1}},
         {},
         false,
         true,
         1},
        {"front-3 groups, neither",
         Kind::Front3Groups,
         "01 03 05\r\n07 09 11",
         {{1, 3, 5}, {7, 9, 11}},
         {},
         false,
         false,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bets = engine::betsOfText(c.result, c.kind == Kind::Any5 ? 5 : 3);
        EXPECT_EQ(bets, c.bets);
        const PrizeCheck check = checkOf(c, bets);
        EXPECT_EQ(check.draw, kDraw);
        EXPECT_EQ(check.listed, static_cast<int>(c.bets.size()));
        EXPECT_EQ(check.sharing, c.sharing);
        EXPECT_EQ(check.directHit, c.directHit);
        EXPECT_EQ(check.groupHit, c.groupHit);
        EXPECT_EQ(check.firstTwo, c.firstTwo);
    }
}

TEST(PrizeCheck, TextsSayWhatWasHit) {
    const std::vector<std::vector<int>> any5{
        {1, 3, 5, 7, 11}, {1, 2, 3, 5, 7}, {2, 3, 5, 7, 9}, {1, 2, 4, 6, 8}};
    EXPECT_EQ(engine::any5CheckText(engine::checkAny5(any5, kDraw)),
              "对奖 03 07 01 11 05：中了，结果里有这一注（共 4 注）\n"
              "中 4 个号码 1 注，中 3 个 1 注，中 2 个 0 注，中 1 个 1 注，中 0 个 0 注\n"
              "中 1 注任选五，奖金 540 元；成本 8 元，盈亏 +532 元\n");
    EXPECT_EQ(engine::any5CheckText(engine::checkAny5({{2, 4, 6, 8, 9}}, kDraw)),
              "对奖 03 07 01 11 05：没中，结果里没有这一注（共 1 注）\n"
              "中 4 个号码 0 注，中 3 个 0 注，中 2 个 0 注，中 1 个 0 注，中 0 个 1 注\n"
              "没有中任选五的注；成本 2 元，盈亏 -2 元\n");

    const std::vector<std::vector<int>> direct{{7, 3, 1}, {3, 7, 2}, {3, 7, 9}};
    EXPECT_EQ(engine::front3CheckText(engine::checkFront3(direct, kDraw, false), false),
              "对奖 03 07 01：前三直选 没中，前三组选 中（共 3 注）\n"
              "前二直选（前两位 03 07）2 注\n"
              "没有中前三直选的注；成本 6 元，盈亏 -6 元\n");
    EXPECT_EQ(
        engine::front3CheckText(engine::checkFront3({{3, 7, 1}, {3, 7, 2}}, kDraw, false), false),
        "对奖 03 07 01：前三直选 中，前三组选 中（共 2 注）\n"
        "前二直选（前两位 03 07）2 注\n"
        "中 1 注前三直选，奖金 1170 元；成本 4 元，盈亏 +1166 元\n");
    const std::vector<std::vector<int>> groups{{3, 7, 9}, {2, 4, 6}};
    EXPECT_EQ(engine::front3CheckText(engine::checkFront3(groups, kDraw, true), true),
              "对奖 03 07 01：前三组选 没中（共 2 组）\n"
              "含前两位 03 07 的组 1 组\n"
              "没有中前三组选的组；成本 4 元，盈亏 -4 元\n");
    EXPECT_TRUE(engine::front3CheckText(engine::checkFront3({{1, 3, 7}}, kDraw, true), true)
                    .ends_with("中 1 组前三组选，奖金 195 元；成本 2 元，盈亏 +193 元\n"));
}

}  // namespace
