#include "any5/stages/BasePoolStage.h"

#include <bitset>

#include "any5/stages/RowScan.h"
#include "app/toolkit/LineBreaks.h"

namespace any5::stages {
namespace {

constexpr std::size_t kBetTextLength = 14;  // "01 02 05 08 11"

int numberAt(std::string_view text, std::size_t i) {
    const char first = text[i];
    const char second = text[i + 1];
    if (first == '0' && second >= '1' && second <= '9') return second - '0';
    if (first == '1' && (second == '0' || second == '1')) return 10 + (second - '0');
    return 0;
}

// The bet spelled by the 14 characters at `i`, or 0. Only ascending numbers
// spell a bet, since a bet's text is always ascending.
engine::BetMask betAt(std::string_view text, std::size_t i) {
    engine::BetMask mask = 0;
    int previous = 0;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::size_t at = i + 3 * k;
        if (k > 0 && text[at - 1] != ' ') return 0;
        const int n = numberAt(text, at);
        if (n <= previous) return 0;
        mask |= static_cast<engine::BetMask>(1u << (n - 1));
        previous = n;
    }
    return mask;
}

}  // namespace

// Every bet's text that occurs in the pool is collected in one pass, so a
// pool of any size costs time in proportion to its length.
RowSet BasePoolStage::rowsToKill(const engine::CandidateTable& table) const {
    if (!m_ticked.isTicked()) return {};
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty() || text.find("提示") != std::string_view::npos) return {};

    std::bitset<2048> pooled;
    for (std::size_t i = 0; i + kBetTextLength <= text.size(); ++i) {
        if (const engine::BetMask bet = betAt(text, i)) pooled.set(bet);
    }
    return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) { return !pooled[bet]; });
}

}  // namespace any5::stages
