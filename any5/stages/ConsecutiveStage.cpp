#include "any5/stages/ConsecutiveStage.h"

#include <utility>

#include "any5/stages/RowScan.h"

namespace any5::stages {

std::uint8_t ConsecutiveStage::patternOf(std::string_view caption) {
    static constexpr std::pair<std::string_view, std::uint8_t> kPatterns[] = {
        {"不连", kNoRun},    {"两连", kTwoRun},  {"两个两连", kTwoTwoRuns},
        {"三连", kThreeRun}, {"四连", kFourRun}, {"五连", kFiveRun},
    };
    for (const auto& [text, bit] : kPatterns) {
        if (caption == text) return bit;
    }
    return 0;
}

RowSet ConsecutiveStage::rowsToKill(const engine::CandidateTable& table) const {
    std::uint8_t killed = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].backColour() == toolkit::palette::kYellow)
            killed |= patternOf(m_buttons[i].caption());
    }
    if (killed == 0) return {};
    return rowsWhere(
        table, [&](engine::BetMask, const BetShape& shape) { return (shape.runs & killed) != 0; });
}

}  // namespace any5::stages
