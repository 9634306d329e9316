#pragma once

#include "engine/PairStage.h"
#include "front3/CandidateTable.h"

namespace front3 {

// 杀2码组合: kills the bets holding a yellow pair.
class PairKillStage final : public engine::PairStage<CandidateTable> {
public:
    explicit PairKillStage(const toolkit::ButtonArray& C_sha2ma)
        : PairStage(C_sha2ma, toolkit::palette::kYellow, false) {}
};

// 必出2码组合: keeps only the bets holding a green pair.
class PairKeepStage final : public engine::PairStage<CandidateTable> {
public:
    explicit PairKeepStage(const toolkit::ButtonArray& C_bichu2ma)
        : PairStage(C_bichu2ma, toolkit::palette::kGreen, true) {}
};

}  // namespace front3
