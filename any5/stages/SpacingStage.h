#pragma once

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// 间距模式过滤: the yellow numbers s1 < ... < sn give a gap pattern; a bet
// whose first n-1 gaps, from its smallest number on, equal that pattern is
// killed. Fewer than two yellow numbers impose nothing.
class SpacingStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    explicit SpacingStage(const toolkit::ButtonArray& C_jiange) : m_buttons(C_jiange) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

}  // namespace any5::stages
