#pragma once

#include "any5/stages/BetShape.h"
#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// The green smallest and largest numbers. A side with nothing green imposes
// nothing.
struct MinMaxSelection {
    engine::BetMask smallest = 0;
    engine::BetMask largest = 0;

    static MinMaxSelection read(const toolkit::ButtonArray& C_min,
                                const toolkit::ButtonArray& C_max);
    bool isEmpty() const { return smallest == 0 && largest == 0; }
    bool allows(const BetShape& shape) const;
};

// 最小号码 / 最大号码: keeps the bets whose smallest and largest numbers are
// among the green ones.
class MinMaxStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    MinMaxStage(const toolkit::ButtonArray& C_min, const toolkit::ButtonArray& C_max)
        : m_min(C_min), m_max(C_max) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_min;
    const toolkit::ButtonArray& m_max;
};

}  // namespace any5::stages
