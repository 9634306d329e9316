#include <cstddef>
#include <cstdint>
#include <string>

#include "front3/TextStages.h"
#include "fuzz/FuzzChecks.h"

namespace {

using Table = front3::CandidateTable;

struct Outcome {
    Table::RowSet rows;
    std::size_t skipped = 0;
};

Outcome compoundKill(const std::string& text) {
    const toolkit::TextBox box(text);
    const front3::CompoundKillStage stage(box);
    Outcome outcome{fuzz::checkedRows<Table>(stage), stage.skippedLines()};
    // The count is of the last run's lines, not of every run so far.
    stage.rowsToKill(fuzz::fullTable<Table>());
    fuzz::check(stage.skippedLines() == outcome.skipped);
    return outcome;
}

}  // namespace

// 杀垃圾复式 (T_main_laji_fushi) with the input as its text. Lines are read
// on their own: the lines before and after the first CR LF strike together
// what the whole text strikes, and the unreadable lines they count add up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::textOf(data, size);
    const Outcome whole = compoundKill(text);
    fuzz::check(whole.skipped == 0 || !fuzz::isBlank(text));

    std::string first;
    std::string rest;
    if (fuzz::splitAtFirstLine(text, first, rest)) {
        const Outcome before = compoundKill(first);
        const Outcome after = compoundKill(rest);
        fuzz::check(whole.rows == (before.rows | after.rows));
        fuzz::check(whole.skipped == before.skipped + after.skipped);
    }
    return 0;
}
