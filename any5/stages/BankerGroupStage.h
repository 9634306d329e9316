#pragma once

#include <array>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// Five banker groups: a bet must hold, of each group that has a green number,
// as many of its numbers as one of the group's green counts (at least one
// when no count is green). Groups combine by intersection.
class BankerGroupStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    static constexpr int kGroups = 5;
    using Arrays = std::array<const toolkit::ButtonArray*, kGroups>;

    BankerGroupStage(Arrays numbers, Arrays counts) : m_numbers(numbers), m_counts(counts) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    Arrays m_numbers;
    Arrays m_counts;
};

}  // namespace any5::stages
