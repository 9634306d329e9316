#pragma once

#include "app/toolkit/ButtonArray.h"
#include "engine/FilterStage.h"
#include "front3/CandidateTable.h"

namespace front3 {

// The 55 pair buttons: a bet holds a pair when both its numbers are among
// the bet's three, at any positions.
class PairStage : public engine::FilterStage<CandidateTable> {
public:
    PairStage(const toolkit::ButtonArray& buttons, toolkit::Rgb selected, bool keep)
        : m_buttons(buttons), m_selected(selected), m_keep(keep) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
    toolkit::Rgb m_selected;
    bool m_keep;
};

// 杀2码组合: kills the bets holding a yellow pair.
class PairKillStage final : public PairStage {
public:
    explicit PairKillStage(const toolkit::ButtonArray& C_sha2ma)
        : PairStage(C_sha2ma, toolkit::palette::kYellow, false) {}
};

// 必出2码组合: keeps only the bets holding a green pair.
class PairKeepStage final : public PairStage {
public:
    explicit PairKeepStage(const toolkit::ButtonArray& C_bichu2ma)
        : PairStage(C_bichu2ma, toolkit::palette::kGreen, true) {}
};

}  // namespace front3
