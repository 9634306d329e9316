#include "any5/stages/BankerGroupStage.h"

#include <bit>

#include "any5/stages/RowScan.h"
#include "engine/Selection.h"

namespace any5::stages {
namespace {
constexpr std::uint64_t kAtLeastOne = 0b111110;  // counts 1..5
}

RowSet BankerGroupStage::rowsToKill(const engine::CandidateTable& table) const {
    struct Group {
        engine::BetMask numbers;
        std::uint64_t counts;
    };
    std::array<Group, kGroups> groups{};
    int used = 0;
    for (int k = 0; k < kGroups; ++k) {
        const auto numbers = engine::selectedNumbers(*m_numbers[k], toolkit::palette::kGreen);
        if (numbers == 0) continue;  // a group without bankers imposes nothing
        const auto counts = engine::selectedValues(*m_counts[k], toolkit::palette::kGreen);
        groups[used++] = {numbers, counts == 0 ? kAtLeastOne : counts};
    }
    if (used == 0) return {};
    return rowsWhere(table, [&](engine::BetMask mask, const BetShape&) {
        for (int k = 0; k < used; ++k) {
            const int hits = engine::countNumbers(mask & groups[k].numbers);
            if (((groups[k].counts >> hits) & 1u) == 0) return true;
        }
        return false;
    });
}

}  // namespace any5::stages
