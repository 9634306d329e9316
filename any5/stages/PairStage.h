#pragma once

#include "app/toolkit/ButtonArray.h"
#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"

namespace any5::stages {

// The 55 pair buttons: a pair is what its caption says ("01\r\n02"), and a
// bet holds it when it holds both numbers.
class PairStage : public engine::FilterStage<engine::CandidateTable> {
public:
    PairStage(const toolkit::ButtonArray& buttons, toolkit::Rgb selected, bool keep)
        : m_buttons(buttons), m_selected(selected), m_keep(keep) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
    toolkit::Rgb m_selected;
    bool m_keep;
};

// 杀2码组合: kills every bet holding a yellow pair.
class PairKillStage final : public PairStage {
public:
    explicit PairKillStage(const toolkit::ButtonArray& C_sha2ma)
        : PairStage(C_sha2ma, toolkit::palette::kYellow, false) {}
};

// 必出2码组合: keeps only the bets holding at least one green pair.
class PairKeepStage final : public PairStage {
public:
    explicit PairKeepStage(const toolkit::ButtonArray& C_chu2ma)
        : PairStage(C_chu2ma, toolkit::palette::kGreen, true) {}
};

}  // namespace any5::stages
