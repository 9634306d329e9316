#pragma once

#include "engine/CandidateTable.h"
#include "engine/PairStage.h"

namespace any5::stages {

// 杀2码组合: kills every bet holding a yellow pair.
class PairKillStage final : public engine::PairStage<engine::CandidateTable> {
public:
    explicit PairKillStage(const toolkit::ButtonArray& C_sha2ma)
        : PairStage(C_sha2ma, toolkit::palette::kYellow, false) {}
};

// 必出2码组合: keeps only the bets holding at least one green pair.
class PairKeepStage final : public engine::PairStage<engine::CandidateTable> {
public:
    explicit PairKeepStage(const toolkit::ButtonArray& C_chu2ma)
        : PairStage(C_chu2ma, toolkit::palette::kGreen, true) {}
};

}  // namespace any5::stages
