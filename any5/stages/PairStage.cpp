#include "any5/stages/PairStage.h"

#include <bit>
#include <vector>

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {

RowSet PairStage::rowsToKill(const engine::CandidateTable& table) const {
    std::vector<engine::BetMask> pairs;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].backColour() == m_selected)
            pairs.push_back(engine::tokenMask(m_buttons[i].caption()));
    }
    if (pairs.empty()) return {};
    return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
        bool holdsOne = false;
        for (engine::BetMask pair : pairs) {
            if (engine::countNumbers(bet & pair) == 2) {
                holdsOne = true;
                break;
            }
        }
        return holdsOne != m_keep;
    });
}

}  // namespace any5::stages
