#include "any5/stages/ValueKillStage.h"

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {

RowSet ValueKillStage::rowsToKill(const engine::CandidateTable& table) const {
    const std::uint64_t killed = engine::selectedValues(m_buttons, toolkit::palette::kYellow);
    if (killed == 0) return {};
    return rowsWhere(table, [&](engine::BetMask, const BetShape& shape) {
        return ((killed >> m_measure(shape)) & 1u) != 0;
    });
}

}  // namespace any5::stages
