#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/CandidateTable.h"

namespace any5::stages {

// Run patterns of the consecutive-number panel, as bits of BetShape::runs.
enum RunPattern : std::uint8_t {
    kNoRun = 1 << 0,       // 不连: no neighbour pair, 11-01 included
    kTwoRun = 1 << 1,      // 两连: at least one neighbour pair
    kTwoTwoRuns = 1 << 2,  // 两个两连: at least two neighbour pairs
    kThreeRun = 1 << 3,    // 三连
    kFourRun = 1 << 4,     // 四连
    kFiveRun = 1 << 5,     // 五连
};

// Everything the shape conditions judge about one bet, fixed by its five
// numbers. Looked up by the bet's mask, so each stage does constant work per
// row. Counts of big numbers depend on the chosen range and are not here.
struct BetShape {
    std::uint8_t sum = 0;                // 15..45
    std::uint8_t span = 0;               // largest minus smallest, 4..10
    std::uint8_t smallest = 0;           // 1..7
    std::uint8_t largest = 0;            // 5..11
    std::array<std::uint8_t, 4> gaps{};  // c2-c1, c3-c2, c4-c3, c5-c4
    std::uint8_t oddCount = 0;
    std::uint8_t primeCount = 0;  // 01 counts as prime
    std::uint8_t runs = 0;        // RunPattern bits the bet shows
};

// The shapes of all bets, indexed by mask (2048 entries; only masks of five
// numbers are filled).
const BetShape* betShapes();

// The shape of a bet; `mask` must hold exactly five of the eleven numbers.
inline const BetShape& betShape(engine::BetMask mask) {
    return betShapes()[mask & 0x7FF];
}

// The numbers of a five-number mask, ascending.
std::array<int, 5> numbersOf(engine::BetMask mask);

// The longest runs of a five-number mask by the run rules of RunPattern,
// each in run order: the one run of three or more ({11, 1, 2, 3} for
// 01 02 03 10 11, which counts as 四连), or every pair ({{4, 5}, {11, 1}}),
// or none.
std::vector<std::vector<int>> longestRuns(engine::BetMask mask);

}  // namespace any5::stages
