#include <cstddef>
#include <cstdint>
#include <string>

#include "front3/EntryPages.h"
#include "front3/TextStages.h"
#include "fuzz/FuzzChecks.h"

// 杀直选号码 (front-3 T_main_shazhixuan) with the input as its text. Its hint
// holds no digit, so typing before or after it changes nothing; each line
// names at most one bet; and lines are read on their own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Stage = front3::DirectKillStage;
    using Table = front3::CandidateTable;
    const std::string text = fuzz::textOf(data, size);
    const toolkit::TextBox box(text);
    const auto rows = fuzz::checkedRows<Table>(Stage(box));

    const std::string hint = front3::EntryPages::kDirectHint;
    fuzz::check(fuzz::rowsFor<Stage, Table>(text + hint) == rows);
    fuzz::check(fuzz::rowsFor<Stage, Table>(hint + text) == rows);

    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    fuzz::check(rows.count() <= lines);

    std::string first;
    std::string rest;
    if (fuzz::splitAtFirstLine(text, first, rest))
        fuzz::check(rows ==
                    (fuzz::rowsFor<Stage, Table>(first) | fuzz::rowsFor<Stage, Table>(rest)));
    return 0;
}
