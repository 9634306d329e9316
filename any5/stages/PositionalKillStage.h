#pragma once

#include <string>

#include "engine/BetMask.h"
#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/TextBox.h"

namespace any5::stages {

// 定位杀号 (T_ding_shadingwei): each line is five fields, a two-digit number
// or "*", for the bet's five numbers in ascending order, separated by exactly
// one blank. A bet matching every field of a line is killed.
//   "01 * * 05 11" => kills 01 02 03 05 11, 01 02 04 05 11, 01 03 04 05 11
//   "01  * * * *", or " 01 * * * *" below the first line => kills nothing
//   (fields out of place; blanks are trimmed only at the two ends of the box)
class PositionalKillStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    explicit PositionalKillStage(const toolkit::TextBox& T_ding_shadingwei)
        : m_box(T_ding_shadingwei) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

    // The first line that strikes a bet, numbered from 1 as the box shows
    // it, and its five fields as read ("01 * * 05 11"); line 0 when none does.
    struct LineHit {
        int line = 0;
        std::string fields;
    };
    LineHit strikingLine(engine::BetMask bet) const;

private:
    const toolkit::TextBox& m_box;
};

}  // namespace any5::stages
