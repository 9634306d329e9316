#include <cstddef>
#include <cstdint>
#include <string>

#include "any5/panels/GroupEntryPanels.h"
#include "any5/stages/BasePoolStage.h"
#include "fuzz/FuzzChecks.h"
#include "toolkit/CheckBox.h"

namespace {

using Table = engine::CandidateTable;

Table::RowSet poolRows(const toolkit::CheckBox& ticked, const std::string& text) {
    const toolkit::TextBox box(text);
    return any5::stages::BasePoolStage(ticked, box).rowsToKill(fuzz::fullTable<Table>());
}

std::string betText(const Table& table, int row) {
    std::string text;
    for (int k = 1; k <= Table::kNumberCount; ++k) {
        if (k > 1) text += ' ';
        text += static_cast<char>('0' + table.number(row, k) / 10);
        text += static_cast<char>('0' + table.number(row, k) % 10);
    }
    return text;
}

}  // namespace

// 大底号码 (T_sha_dadi, ticked) with the input as the pool. Unticked, or
// showing its hint, the pool strikes nothing; a bet survives only when its
// text is written in the pool; and what the lines before and after the first
// CR LF pool together is what the whole text pools.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::textOf(data, size);
    toolkit::CheckBox ticked("大底号码");
    const toolkit::CheckBox unticked("大底号码");
    ticked.setTicked(true);
    const toolkit::TextBox box(text);
    const auto rows = fuzz::checkedRows<Table>(any5::stages::BasePoolStage(ticked, box));
    fuzz::check(poolRows(unticked, text).none());
    fuzz::check(poolRows(ticked, text + any5::GroupEntryPanels::kBasePoolHint).none());

    const bool skipped = fuzz::isBlank(text) || text.find("提示") != std::string::npos;
    if (skipped) {
        fuzz::check(rows.none());
        return 0;
    }
    const Table& table = fuzz::fullTable<Table>();
    for (int row = 1; row <= Table::kRowCount; ++row) {
        if (!rows[row]) fuzz::check(text.find(betText(table, row)) != std::string::npos);
    }

    std::string first;
    std::string rest;
    if (fuzz::splitAtFirstLine(text, first, rest)) {
        // A blank part pools nothing, so it keeps no bet.
        const auto keptBy = [&ticked, &table](const std::string& part) {
            return fuzz::isBlank(part) ? table.aliveRows() : poolRows(ticked, part);
        };
        fuzz::check(rows == (keptBy(first) & keptBy(rest)));
    }
    return 0;
}
