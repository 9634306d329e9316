#pragma once

#include <array>
#include <string>

#include "engine/FilterStage.h"
#include "front3/CandidateTable.h"
#include "toolkit/ButtonArray.h"

namespace front3 {

// 杀跨度 (C_kuadu_sha, "2".."10"): kills the bets whose largest minus smallest
// number is yellow.
class SpanStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit SpanStage(const toolkit::ButtonArray& C_kuadu_sha) : m_buttons(C_kuadu_sha) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

// 杀和值 (C_hezhi, "6".."30"): kills the bets whose sum is yellow.
class SumStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit SumStage(const toolkit::ButtonArray& C_hezhi) : m_buttons(C_hezhi) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

// 通杀码 (C_tsm_sha): kills the bets holding a yellow number anywhere.
class KillNumberStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit KillNumberStage(const toolkit::ButtonArray& C_tsm_sha) : m_buttons(C_tsm_sha) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

// 前三定位杀 (C_dingwei_sha): buttons 0..10 are the first position, 11..21 the
// second, 22..32 the third; a bet with a yellow number at its position is
// killed. The number is the button's caption, whatever its place in the row.
class PositionalKillStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit PositionalKillStage(const toolkit::ButtonArray& C_dingwei_sha)
        : m_buttons(C_dingwei_sha) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

// 胆组: three banker groups; of each group with green numbers, a bet must
// hold as many as one of its green counts ("0".."3"; at least one when no
// count is green).
class BankerGroupStage final : public engine::FilterStage<CandidateTable> {
public:
    using Arrays = std::array<const toolkit::ButtonArray*, 3>;
    BankerGroupStage(Arrays numbers, Arrays counts) : m_numbers(numbers), m_counts(counts) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    Arrays m_numbers;
    Arrays m_counts;
};

// 奇号个数 / 大号个数: the bet's odd and big counts must be green ones, for
// each of the two kinds that has a green count.
class CountStage final : public engine::FilterStage<CandidateTable> {
public:
    CountStage(const toolkit::ButtonArray& C_jishu_geshu, const toolkit::ButtonArray& C_dahao_geshu,
               const std::string& BigNumberList)
        : m_odd(C_jishu_geshu), m_big(C_dahao_geshu), m_bigNumbers(BigNumberList) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_odd;
    const toolkit::ButtonArray& m_big;
    const std::string& m_bigNumbers;
};

}  // namespace front3
