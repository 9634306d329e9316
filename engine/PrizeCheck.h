#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// 对奖: a draw held against the bets of a result list.
struct PrizeCheck {
    std::array<int, 5> draw{};  // in drawing order
    int listed = 0;
    // Any-5: listed bets by how many numbers they share with the draw; [5]
    // is the drawn set itself.
    std::array<int, 6> sharing{};
    // Front-3: the first three in position order are listed (never for groups).
    bool directHit = false;
    // Front-3: the first three in any order are listed, as a group or as one
    // of their orderings.
    bool groupHit = false;
    // Front-3: listed bets whose first two are the draw's first two in order;
    // for groups, those that hold both.
    int firstTwo = 0;
};

// `listed`: the result's bets, each as written (any-5 five numbers, front-3
// three in position order, or a group of three).
PrizeCheck checkAny5(const std::vector<std::vector<int>>& listed, const std::array<int, 5>& draw);
PrizeCheck checkFront3(const std::vector<std::vector<int>>& listed, const std::array<int, 5>& draw,
                       bool isGrouped);

// The bets of a published result text, one a line, `count` numbers each;
// lines that are no bet are left out.
std::vector<std::vector<int>> betsOfText(std::string_view text, int count);

// The check as lines for the window and the runner, e.g. any-5:
//   对奖 03 07 01 11 05：中了，结果里有这一注（共 53 注）
//   中 4 个号码 3 注，中 3 个 20 注，中 2 个 25 注，中 1 个 5 注，中 0 个 0 注
//   中 1 注任选五，奖金 540 元；成本 106 元，盈亏 +434 元
// front-3, whose bets are bought as 前三直选 (groups as 前三组选):
//   对奖 03 07 01：前三直选 中，前三组选 中（共 60 注）
//   前二直选（前两位 03 07）2 注
//   中 1 注前三直选，奖金 1170 元；成本 120 元，盈亏 +1050 元
// and when nothing pays: "没有中任选五的注；成本 106 元，盈亏 -106 元".
std::string any5CheckText(const PrizeCheck& check);
std::string front3CheckText(const PrizeCheck& check, bool isGrouped);

}  // namespace engine
