#include "any5/stages/CountStage.h"

#include <bit>

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {
namespace {

bool breaks(std::uint64_t allowed, int count) {
    return allowed != 0 && ((allowed >> count) & 1u) == 0;
}

}  // namespace

RowSet CountStage::rowsToKill(const engine::CandidateTable& table) const {
    const auto odd = engine::selectedValues(m_odd, toolkit::palette::kGreen);
    const auto big = engine::selectedValues(m_big, toolkit::palette::kGreen);
    const auto prime = engine::selectedValues(m_prime, toolkit::palette::kGreen);
    if (odd == 0 && big == 0 && prime == 0) return {};
    const engine::BetMask bigNumbers = engine::numbersInList(m_bigNumbers);
    return rowsWhere(table, [&](engine::BetMask mask, const BetShape& shape) {
        const int bigCount = engine::countNumbers(mask & bigNumbers);
        return breaks(odd, shape.oddCount) || breaks(big, bigCount) ||
               breaks(prime, shape.primeCount);
    });
}

}  // namespace any5::stages
