#include "any5/stages/KillAllStage.h"

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {

RowSet KillAllStage::rowsToKill(const engine::CandidateTable& table) const {
    const engine::BetMask killed = engine::selectedNumbers(m_buttons, toolkit::palette::kYellow);
    if (killed == 0) return {};
    return rowsWhere(table,
                     [&](engine::BetMask mask, const BetShape&) { return (mask & killed) != 0; });
}

}  // namespace any5::stages
