#include "front3/PairStages.h"

#include <bit>
#include <vector>

#include "engine/Selection.h"
#include "front3/RowScan.h"

namespace front3 {

RowSet PairStage::rowsToKill(const CandidateTable& table) const {
    std::vector<engine::BetMask> pairs;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].backColour() == m_selected)
            pairs.push_back(engine::tokenMask(m_buttons[i].caption()));
    }
    if (pairs.empty()) return {};
    return rowsWhere(table, [&](const Bet&, engine::BetMask bet) {
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

}  // namespace front3
