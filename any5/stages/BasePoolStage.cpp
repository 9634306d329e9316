#include "any5/stages/BasePoolStage.h"

#include <bitset>

#include "any5/stages/RowScan.h"
#include "engine/SpelledBets.h"
#include "toolkit/LineBreaks.h"

namespace any5::stages {

// Every bet's text that occurs in the pool is collected in one pass, so a
// pool of any size costs time in proportion to its length.
RowSet BasePoolStage::rowsToKill(const engine::CandidateTable& table) const {
    if (!m_ticked.isTicked()) return {};
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty() || text.find("提示") != std::string_view::npos) return {};

    std::bitset<2048> pooled;
    engine::forEachSpelledBet<5>(text, ' ', [&](const std::array<int, 5>& numbers) {
        engine::BetMask bet = 0;
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            if (k > 0 && numbers[k] <= numbers[k - 1]) return;  // a bet's text is ascending
            bet |= static_cast<engine::BetMask>(1u << (numbers[k] - 1));
        }
        pooled.set(bet);
    });
    return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) { return !pooled[bet]; });
}

}  // namespace any5::stages
