#pragma once

#include <array>
#include <string>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"

namespace any5::stages {

// 杀奇偶排列: kills the bets whose odd/even arrangement, read from the smallest
// number up ("奇偶奇偶奇" for 01 02 05 08 11), occurs in the picker's list of
// ticked arrangements ("奇奇奇奇奇*偶偶偶偶偶*").
class ParityPatternStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    explicit ParityPatternStage(const std::string& ParityPatternList) : m_list(ParityPatternList) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

    // The arrangement of a bet's numbers, ascending: {1, 2, 5, 8, 11} => "奇偶奇偶奇".
    static std::string arrangementOf(const std::array<int, 5>& numbers);

private:
    const std::string& m_list;
};

}  // namespace any5::stages
