#pragma once

#include <array>
#include <cstddef>

#include "engine/FilterStage.h"
#include "front3/CandidateTable.h"
#include "toolkit/TextBox.h"

namespace front3 {

// 杀直选号码 (T_main_shazhixuan): one direct bet per line. Everything but the
// digits is dropped; a line left with exactly six digits names the bet of
// its three two-digit numbers, in that order.
//   "010203", "01,02,03", "01 02 03" => kills 01 02 03 only (not 03 02 01)
//   "1 2 3", "01 02 03 04", "01 02 12" => kill nothing
class DirectKillStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit DirectKillStage(const toolkit::TextBox& T_main_shazhixuan)
        : m_box(T_main_shazhixuan) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;
    // The first line naming a bet (numbers by position), numbered from 1 as
    // the box shows it; 0 when none does.
    int strikingLine(const std::array<int, 3>& bet) const;

private:
    const toolkit::TextBox& m_box;
};

// 杀垃圾复式 (T_main_laji_fushi): each line is three parts split at "*", the
// numbers allowed at the first, second and third position; a bet whose
// numbers occur in their parts is killed. "01 02 *05 *07 08 09 " kills
// 01 05 07, 01 05 08, ... 02 05 09. A line of fewer than three parts cannot
// be read; it is skipped and counted, unless it is blank (blanks, tabs, lone
// CRs and LFs only).
class CompoundKillStage final : public engine::FilterStage<CandidateTable> {
public:
    explicit CompoundKillStage(const toolkit::TextBox& T_main_laji_fushi)
        : m_box(T_main_laji_fushi) {}
    CandidateTable::RowSet rowsToKill(const CandidateTable& table) const override;
    // The first line that allows each number of a bet at its position,
    // numbered from 1 as the box shows it; 0 when none does.
    int strikingLine(const std::array<int, 3>& bet) const;

    // How many non-empty lines the last run skipped for want of three parts.
    std::size_t skippedLines() const { return m_skipped; }

private:
    const toolkit::TextBox& m_box;
    mutable std::size_t m_skipped = 0;
};

}  // namespace front3
