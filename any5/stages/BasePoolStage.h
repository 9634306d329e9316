#pragma once

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/CheckBox.h"
#include "toolkit/TextBox.h"

namespace any5::stages {

// 大底号码: with the box ticked, only the bets written in the pool text as
// five ascending two-digit numbers separated by single blanks ("01 02 05 08
// 11") survive. A pool that is empty or still shows its hint ("提示") is
// skipped; one written with commas matches no bet.
class BasePoolStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    BasePoolStage(const toolkit::CheckBox& Check_sha_dd, const toolkit::TextBox& T_sha_dadi)
        : m_ticked(Check_sha_dd), m_box(T_sha_dadi) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::CheckBox& m_ticked;
    const toolkit::TextBox& m_box;
};

}  // namespace any5::stages
