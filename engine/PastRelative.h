#pragma once

#include <optional>
#include <span>

#include "engine/BetMask.h"

namespace engine {

// What a bet is measured by against the draws before the one it is bet on
// (its reference, newest first) and by its own numbers alone. A draw is its
// numbers as a mask: any-5 its five, front-3 its first three.

// 重号个数: the bet's numbers that the previous draw holds.
constexpr int repeatCount(BetMask bet, BetMask previous) {
    return countNumbers(static_cast<BetMask>(bet & previous));
}

// The numbers one away from the previous draw's and not in it; 01 and 11 are
// not neighbours.
constexpr BetMask neighboursOf(BetMask previous) {
    const unsigned next = (static_cast<unsigned>(previous) << 1) | (previous >> 1);
    return static_cast<BetMask>(next & 0x7FFu & ~static_cast<unsigned>(previous));
}

// 邻号个数 and 孤号个数: 重号 + 邻号 + 孤号 = the bet's size.
constexpr int neighbourCount(BetMask bet, BetMask previous) {
    return countNumbers(static_cast<BetMask>(bet & neighboursOf(previous)));
}
constexpr int isolatedCount(BetMask bet, BetMask previous) {
    return countNumbers(bet) - repeatCount(bet, previous) - neighbourCount(bet, previous);
}

// 热号 / 温号 / 冷号: a number's hits are the newest `draws` of the reference
// that hold it; hot at `hot` hits or more, cold at `cold` or fewer.
struct HeatRule {
    int draws = 10;
    int hot = 6;
    int cold = 3;

    bool isValid() const {
        return draws >= 5 && draws <= 100 && cold >= 0 && cold < hot && hot <= draws;
    }
    bool operator==(const HeatRule&) const = default;
};
inline constexpr HeatRule kAny5HeatRule{10, 6, 3};
inline constexpr HeatRule kFront3HeatRule{10, 4, 1};

struct HeatClasses {
    BetMask hot = 0;
    BetMask warm = 0;
    BetMask cold = 0;
};

// The classes, or none while the reference holds fewer than rule.draws.
std::optional<HeatClasses> heatClasses(std::span<const BetMask> newestFirst, const HeatRule& rule);

// AC值: the distinct differences between two of the bet's numbers, less one
// fewer than its numbers (five numbers: less 4). 01 02 03 04 05 => 0.
int acValue(BetMask bet);

// 0路 03 06 09, 1路 01 04 07 10, 2路 02 05 08 11.
inline constexpr BetMask kRoadMasks[3] = {0b00100100100, 0b01001001001, 0b10010010010};
constexpr int roadCount(BetMask bet, int road) {
    return countNumbers(static_cast<BetMask>(bet & kRoadMasks[road]));
}

}  // namespace engine
