#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/PastCount.h"

namespace engine {

// Rows 1..990 of either edition's table (any-5 uses 1..462); bit 0 unused.
using RowBits = std::bitset<991>;

// A table's row set as RowBits, 64 rows at a time.
template <std::size_t N>
RowBits toRowBits(const std::bitset<N>& rows) {
    static_assert(N <= 991);
    RowBits bits;
    const std::bitset<N> word(~0ull);
    for (std::size_t at = 0; at < N; at += 64)
        bits |= RowBits(((rows >> at) & word).to_ullong()) << at;
    return bits;
}

// The bets one condition breaks: those its stage strikes on a table with
// every bet alive, whatever the other conditions do.
struct ConditionVerdict {
    std::string name;
    std::string summary;  // empty while the panel is not set
    RowBits breaks;
    // A count read against past draws: how a back-test judges each draw
    // against the draws before it. None for every other condition.
    std::shared_ptr<const PastCount> past;
    // Why a set condition strikes nothing now ("缺少开奖历史"), or "".
    std::string missing;
};

// The verdicts of one run, active conditions only, in run order.
struct Verdicts {
    int rowCount = 0;
    std::vector<ConditionVerdict> conditions;
};

// 容错: a bet survives when it breaks none of the `hard` conditions (those
// that do not take part) and between `min` and `max` of the others. 0 to 0
// is the plain run: a bet survives when it breaks nothing.
struct Tolerance {
    int min = 0;
    int max = 0;
    std::set<std::string> hard;

    bool isPlain() const { return min == 0 && max == 0; }
    bool operator==(const Tolerance&) const = default;
};

struct Survivors {
    RowBits rows;
    // For every row 0..rowCount, how many taking-part conditions it breaks.
    std::vector<std::uint8_t> breakCounts;
};

Survivors survivorsOf(const Verdicts& verdicts, const Tolerance& tolerance);

// The names of the conditions a row breaks, in run order.
std::vector<std::string> conditionsBrokenBy(const Verdicts& verdicts, int row);

}  // namespace engine
