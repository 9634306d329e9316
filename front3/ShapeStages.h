#pragma once

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FilterStage.h"
#include "front3/CandidateTable.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"

namespace front3 {

using CheckBoxes = std::deque<toolkit::CheckBox>;

// 杀012路 (Check_sha_012): a bet's path pattern is the remainder by 3 of each
// number by position (03 01 05 => "012"); ticked patterns are killed.
class PathPatternStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit PathPatternStage(const CheckBoxes& Check_sha_012) : m_boxes(Check_sha_012) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const CheckBoxes& m_boxes;
};

// 杀杀杀(11 01算连码) (C_sha_xingtai_01): runs of neighbouring numbers, 01 and
// 11 counting as neighbours, and the shape of the three positions.
class ConsecutiveShapeStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit ConsecutiveShapeStage(const toolkit::ButtonArray& C_sha_xingtai_01)
        : m_buttons(C_sha_xingtai_01) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

    // 1 per neighbouring pair of the sorted numbers, plus 10 when the bet
    // holds 01 and 11: 03 04 05 => 2, 01 06 11 => 10, 01 02 11 => 11.
    static int linksOf(int a, int b, int c);
    // The run those links make, in run order: 03 05 04 => {3, 4, 5},
    // 01 06 11 => {11, 1}, 11 01 10 => {10, 11, 1}; none => {}.
    static std::vector<int> runOf(int a, int b, int c);

    // The captions of the yellow buttons that strike a bet (numbers by
    // position): "2连" and "3连" strike 01 02 03, "上山形" too.
    std::vector<std::string> strikingCaptions(const std::array<int, 3>& bet) const;

private:
    const toolkit::ButtonArray& m_buttons;
};

// 杀形态: big/small, odd/even and prime/composite patterns by position
// ("大小大", "奇奇偶", "质合合"); a bet showing any ticked pattern is killed.
class PatternStage final : public engine::FilterStage<CandidateTable> {
public:
    PatternStage(const CheckBoxes& Check_sha_daxiao, const CheckBoxes& Check_sha_jiou,
                 const CheckBoxes& Check_sha_zhihe, const std::string& BigNumberList)
        : m_big(Check_sha_daxiao),
          m_odd(Check_sha_jiou),
          m_prime(Check_sha_zhihe),
          m_bigNumbers(BigNumberList) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

    // A bet's three patterns (numbers by position): 07 02 09 with big
    // numbers 07..11 => {"大小大", "奇偶奇", "质质合"}.
    std::array<std::string, 3> patternsOf(const std::array<int, 3>& bet) const;

private:
    const CheckBoxes& m_big;
    const CheckBoxes& m_odd;
    const CheckBoxes& m_prime;
    const std::string& m_bigNumbers;
};

}  // namespace front3
