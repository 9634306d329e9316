#pragma once

#include <cstdint>

#include "any5/stages/BetShape.h"
#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// Kills the bets whose value of one shape measure is among the captions of
// the yellow buttons. The sum-tail, sum and span conditions are this rule with
// different measures.
class ValueKillStage : public engine::FilterStage<engine::CandidateTable> {
public:
    using Measure = int (*)(const BetShape&);

    ValueKillStage(const toolkit::ButtonArray& buttons, Measure measure)
        : m_buttons(buttons), m_measure(measure) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
    Measure m_measure;
};

// 杀和尾: the last digit of the sum.
class SumTailStage final : public ValueKillStage {
public:
    explicit SumTailStage(const toolkit::ButtonArray& C_zuobian_sha_heiwei)
        : ValueKillStage(C_zuobian_sha_heiwei, [](const BetShape& s) { return s.sum % 10; }) {}
};

// 杀和值: the sum.
class SumStage final : public ValueKillStage {
public:
    explicit SumStage(const toolkit::ButtonArray& C_sha_hezhi)
        : ValueKillStage(C_sha_hezhi, [](const BetShape& s) { return int{s.sum}; }) {}
};

// 杀跨度: largest minus smallest.
class SpanStage final : public ValueKillStage {
public:
    explicit SpanStage(const toolkit::ButtonArray& C_kuadu_sha)
        : ValueKillStage(C_kuadu_sha, [](const BetShape& s) { return int{s.span}; }) {}
};

}  // namespace any5::stages
