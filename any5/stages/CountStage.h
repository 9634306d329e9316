#pragma once

#include <string>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// 奇号个数 / 大号个数 / 质号个数: how many odd, big and prime numbers a bet
// holds must be among the green counts of each kind that has one. Big numbers
// are those of the big-number list ("07.08.09.10.11" or "06.07.08.09.10.11")
// as it stands when the run reaches this stage.
class CountStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    CountStage(const toolkit::ButtonArray& C_jishu_geshu, const toolkit::ButtonArray& C_dahao_geshu,
               const toolkit::ButtonArray& C_zhihe_geshu, const std::string& BigNumberList)
        : m_odd(C_jishu_geshu),
          m_big(C_dahao_geshu),
          m_prime(C_zhihe_geshu),
          m_bigNumbers(BigNumberList) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_odd;
    const toolkit::ButtonArray& m_big;
    const toolkit::ButtonArray& m_prime;
    const std::string& m_bigNumbers;
};

}  // namespace any5::stages
