#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "engine/BetMask.h"

namespace engine {

// A count row read against the draws before the one bet on (重号, 邻号, 孤号,
// 热温冷): a bet's count is how many of its numbers lie in a mask taken from
// those draws, and the bet is kept when that count is allowed. The same rule
// judges the next draw, against every stored draw, and each past draw of a
// back-test, against the draws stored before it.
struct PastCount {
    std::uint64_t allowed = 0;  // bit k: a count of k keeps the bet
    int betSize = 5;            // numbers in a bet: any-5 five, front-3 three
    // The mask for the draw after `newestFirst`; none while they are too few.
    std::function<std::optional<BetMask>(std::span<const BetMask> newestFirst)> maskOf;

    bool keeps(BetMask bet, BetMask mask) const {
        return ((allowed >> countNumbers(static_cast<BetMask>(bet & mask))) & 1u) != 0;
    }
    // The share of all bets broken while the mask holds `maskSize` numbers:
    // by symmetry it depends on that size alone.
    double shareBroken(int maskSize) const;
};

}  // namespace engine
