#include "any5/stages/MinMaxStage.h"

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {

MinMaxSelection MinMaxSelection::read(const toolkit::ButtonArray& C_min,
                                      const toolkit::ButtonArray& C_max) {
    return {engine::selectedNumbers(C_min, toolkit::palette::kGreen),
            engine::selectedNumbers(C_max, toolkit::palette::kGreen)};
}

bool MinMaxSelection::allows(const BetShape& shape) const {
    if (smallest != 0 && (smallest & (1u << (shape.smallest - 1))) == 0) return false;
    if (largest != 0 && (largest & (1u << (shape.largest - 1))) == 0) return false;
    return true;
}

RowSet MinMaxStage::rowsToKill(const engine::CandidateTable& table) const {
    const auto selection = MinMaxSelection::read(m_min, m_max);
    if (selection.isEmpty()) return {};
    return rowsWhere(
        table, [&](engine::BetMask, const BetShape& shape) { return !selection.allows(shape); });
}

}  // namespace any5::stages
