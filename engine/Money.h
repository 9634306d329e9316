#pragma once

#include <string>
#include <string_view>

namespace engine {

// What a bet costs and what the plays of a result pay, in 元.
inline constexpr int kYuanPerBet = 2;
inline constexpr int kAny5Prize = 540;           // 任选五: the five drawn numbers
inline constexpr int kFront3DirectPrize = 1170;  // 前三直选: the first three in order
inline constexpr int kFront3GroupPrize = 195;    // 前三组选: the first three in any order

// Every bet there is of a kind: any-5 sets, front-3 bets, front-3 groups.
inline constexpr int kAny5Bets = 462;
inline constexpr int kFront3Bets = 990;
inline constexpr int kFront3Groups = 165;

// "9 注，18 元"; with unit "组" "9 组，18 元".
std::string costText(long long bets, std::string_view unit = "注");
// A gain or a loss with its sign: "+522", "-18", "0"; with its unit
// "+522 元".
std::string signedText(long long yuan);
std::string balanceText(long long yuan);

}  // namespace engine
