#include "engine/PrizeCheck.h"

#include <bit>

#include "engine/BetMask.h"
#include "engine/Money.h"
#include "engine/TypedBet.h"

namespace engine {
namespace {

BetMask maskOf(const int* numbers, int count) {
    BetMask mask = 0;
    for (int k = 0; k < count; ++k) mask = static_cast<BetMask>(mask | bitOf(numbers[k]));
    return mask;
}

std::string spelled(const std::array<int, 5>& draw, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        if (k > 0) text += ' ';
        text += twoDigits(draw[static_cast<std::size_t>(k)]);
    }
    return text;
}

// "中 1 注任选五，奖金 540 元；成本 18 元，盈亏 +522 元": each listed bet costs
// its 2 元 and only a bet of the result's own play pays.
std::string moneyLine(int hits, std::string_view unit, std::string_view play, int prize,
                      int listed) {
    const long long won = static_cast<long long>(hits) * prize;
    const long long cost = static_cast<long long>(listed) * kYuanPerBet;
    std::string text = hits > 0 ? "中 " + std::to_string(hits) + " " + std::string(unit) +
                                      std::string(play) + "，奖金 " + std::to_string(won) + " 元"
                                : "没有中" + std::string(play) + "的" + std::string(unit);
    return text + "；成本 " + std::to_string(cost) + " 元，盈亏 " + balanceText(won - cost) + "\n";
}

}  // namespace

PrizeCheck checkAny5(const std::vector<std::vector<int>>& listed, const std::array<int, 5>& draw) {
    PrizeCheck check{draw, static_cast<int>(listed.size())};
    const unsigned drawn = maskOf(draw.data(), 5);
    for (const auto& bet : listed) {
        const unsigned shared = maskOf(bet.data(), static_cast<int>(bet.size())) & drawn;
        ++check.sharing[static_cast<std::size_t>(std::popcount(shared))];
    }
    return check;
}

PrizeCheck checkFront3(const std::vector<std::vector<int>>& listed, const std::array<int, 5>& draw,
                       bool isGrouped) {
    PrizeCheck check{draw, static_cast<int>(listed.size())};
    const unsigned firstThree = maskOf(draw.data(), 3);
    const unsigned firstTwo = maskOf(draw.data(), 2);
    for (const auto& bet : listed) {
        if (bet.size() != 3) continue;
        const unsigned mask = maskOf(bet.data(), 3);
        if (mask == firstThree) check.groupHit = true;
        if (isGrouped) {
            if ((mask & firstTwo) == firstTwo) ++check.firstTwo;
            continue;
        }
        if (bet[0] == draw[0] && bet[1] == draw[1]) {
            ++check.firstTwo;
            if (bet[2] == draw[2]) check.directHit = true;
        }
    }
    return check;
}

std::vector<std::vector<int>> betsOfText(std::string_view text, int count) {
    std::vector<std::vector<int>> bets;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;
        TypedBet bet = readTypedBet(line, count);
        if (bet.ok()) bets.push_back(std::move(bet.numbers));
    }
    return bets;
}

std::string any5CheckText(const PrizeCheck& check) {
    const std::string total = "（共 " + std::to_string(check.listed) + " 注）";
    std::string text = "对奖 " + spelled(check.draw, 5) + "：" +
                       (check.sharing[5] > 0 ? "中了，结果里有这一注" : "没中，结果里没有这一注") +
                       total + "\n";
    for (int shared = 4; shared >= 0; --shared) {
        // Only the first count names its unit: "中 4 个号码 3 注，中 3 个 20 注".
        text += "中 " + std::to_string(shared) + (shared == 4 ? " 个号码 " : " 个 ") +
                std::to_string(check.sharing[static_cast<std::size_t>(shared)]) + " 注";
        text += shared > 0 ? "，" : "\n";
    }
    return text + moneyLine(check.sharing[5], "注", "任选五", kAny5Prize, check.listed);
}

std::string front3CheckText(const PrizeCheck& check, bool isGrouped) {
    const auto hit = [](bool isHit) { return isHit ? std::string("中") : std::string("没中"); };
    if (isGrouped) {
        return "对奖 " + spelled(check.draw, 3) + "：前三组选 " + hit(check.groupHit) + "（共 " +
               std::to_string(check.listed) + " 组）\n含前两位 " + spelled(check.draw, 2) +
               " 的组 " + std::to_string(check.firstTwo) + " 组\n" +
               moneyLine(check.groupHit ? 1 : 0, "组", "前三组选", kFront3GroupPrize, check.listed);
    }
    return "对奖 " + spelled(check.draw, 3) + "：前三直选 " + hit(check.directHit) + "，前三组选 " +
           hit(check.groupHit) + "（共 " + std::to_string(check.listed) +
           " 注）\n前二直选（前两位 " + spelled(check.draw, 2) + "）" +
           std::to_string(check.firstTwo) + " 注\n" +
           moneyLine(check.directHit ? 1 : 0, "注", "前三直选", kFront3DirectPrize, check.listed);
}

}  // namespace engine
