#include "any5/stages/SpacingStage.h"

#include <array>

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {

RowSet SpacingStage::rowsToKill(const engine::CandidateTable& table) const {
    const engine::BetMask selected = engine::selectedNumbers(m_buttons, toolkit::palette::kYellow);
    std::array<int, 11> numbers{};
    int n = 0;
    for (int number = 1; number <= 11; ++number) {
        if (selected & (1u << (number - 1))) numbers[n++] = number;
    }
    // A bet has four gaps: a pattern of more can never match it.
    if (n < 2 || n - 1 > 4) return {};
    std::array<int, 4> pattern{};
    for (int j = 0; j + 1 < n; ++j) pattern[j] = numbers[j + 1] - numbers[j];
    const int length = n - 1;
    return rowsWhere(table, [&](engine::BetMask, const BetShape& shape) {
        for (int j = 0; j < length; ++j) {
            if (shape.gaps[j] != pattern[j]) return false;
        }
        return true;
    });
}

}  // namespace any5::stages
