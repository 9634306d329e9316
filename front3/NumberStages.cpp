#include "front3/NumberStages.h"

#include <algorithm>
#include <bit>

#include "engine/Selection.h"
#include "front3/RowScan.h"

namespace front3 {
namespace {

using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

constexpr engine::BetMask kOdd = 0b101'0101'0101;  // 01 03 05 07 09 11

int popcount(engine::BetMask mask) {
    return engine::countNumbers(mask);
}

engine::BetMask bit(int number) {
    return engine::bitOf(number);
}

}  // namespace

RowSet SpanStage::rowsToKill(const CandidateTable& table) const {
    const auto spans = engine::selectedValues(m_buttons, kYellow);
    if (spans == 0) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        const auto [lo, hi] = std::minmax({bet[0], bet[1], bet[2]});
        return ((spans >> (hi - lo)) & 1u) != 0;
    });
}

RowSet SumStage::rowsToKill(const CandidateTable& table) const {
    const auto sums = engine::selectedValues(m_buttons, kYellow);
    if (sums == 0) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return ((sums >> (bet[0] + bet[1] + bet[2])) & 1u) != 0;
    });
}

RowSet KillNumberStage::rowsToKill(const CandidateTable& table) const {
    const auto killed = engine::selectedNumbers(m_buttons, kYellow);
    if (killed == 0) return {};
    return rowsWhere(table, [&](const Bet&, engine::BetMask mask) { return (mask & killed) != 0; });
}

RowSet PositionalKillStage::rowsToKill(const CandidateTable& table) const {
    std::array<engine::BetMask, 3> killed{};
    for (std::size_t i = 0; i < m_buttons.size() && i < 33; ++i) {
        if (m_buttons[i].backColour() != kYellow) continue;
        const int n = engine::captionValue(m_buttons[i].caption());
        if (n >= 1 && n <= 11) killed[i / 11] |= bit(n);
    }
    if ((killed[0] | killed[1] | killed[2]) == 0) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return (killed[0] & bit(bet[0])) || (killed[1] & bit(bet[1])) || (killed[2] & bit(bet[2]));
    });
}

RowSet BankerGroupStage::rowsToKill(const CandidateTable& table) const {
    struct Group {
        engine::BetMask numbers;
        std::uint64_t counts;
    };
    std::array<Group, 3> groups{};
    int used = 0;
    for (int g = 0; g < 3; ++g) {
        const auto numbers = engine::selectedNumbers(*m_numbers[g], kGreen);
        if (numbers == 0) continue;
        const auto counts = engine::selectedValues(*m_counts[g], kGreen);
        groups[used++] = {numbers, counts == 0 ? 0b1110u : counts};  // 1, 2 or 3 hits
    }
    if (used == 0) return {};
    return rowsWhere(table, [&](const Bet&, engine::BetMask mask) {
        for (int g = 0; g < used; ++g) {
            if (((groups[g].counts >> popcount(mask & groups[g].numbers)) & 1u) == 0) return true;
        }
        return false;
    });
}

RowSet CountStage::rowsToKill(const CandidateTable& table) const {
    const auto odd = engine::selectedValues(m_odd, kGreen);
    const auto big = engine::selectedValues(m_big, kGreen);
    if (odd == 0 && big == 0) return {};
    const engine::BetMask bigNumbers = engine::numbersInList(m_bigNumbers);
    return rowsWhere(table, [&](const Bet&, engine::BetMask mask) {
        if (odd != 0 && ((odd >> popcount(mask & kOdd)) & 1u) == 0) return true;
        return big != 0 && ((big >> popcount(mask & bigNumbers)) & 1u) == 0;
    });
}

}  // namespace front3
