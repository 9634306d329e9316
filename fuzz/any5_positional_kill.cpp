#include <cstddef>
#include <cstdint>
#include <string>

#include "any5/stages/PositionalKillStage.h"
#include "fuzz/FuzzChecks.h"

// 定位杀号 (T_ding_shadingwei) with the input as its text. Each line is read
// on its own; blanks are trimmed only at the two ends of the box, so the
// lines before and after the first CR LF strike together what the whole text
// strikes unless a blank stands next to that line break.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Stage = any5::stages::PositionalKillStage;
    using Table = engine::CandidateTable;
    const std::string text = fuzz::textOf(data, size);
    const toolkit::TextBox box(text);
    const auto rows = fuzz::checkedRows<Table>(Stage(box));

    std::string first;
    std::string rest;
    if (fuzz::splitAtFirstLine(text, first, rest) && !first.ends_with(' ') &&
        !rest.starts_with(' ')) {
        fuzz::check(rows ==
                    (fuzz::rowsFor<Stage, Table>(first) | fuzz::rowsFor<Stage, Table>(rest)));
    }
    return 0;
}
