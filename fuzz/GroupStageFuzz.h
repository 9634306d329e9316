#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "any5/stages/GroupTextStage.h"
#include "any5/stages/TextLines.h"
#include "engine/CandidateTable.h"
#include "fuzz/FuzzChecks.h"

namespace fuzz {

// The four number-group stages with the input as their box's text. A box is
// switched off by its hint's full-width colon wherever it stands, and each
// line is judged on its own: a kill rule strikes a bet when one line says so,
// the keep rule keeps it when one line says so.
template <class Stage>
int fuzzGroupStage(const std::uint8_t* data, std::size_t size, const char* hint) {
    using Table = engine::CandidateTable;
    const std::string text = textOf(data, size);
    const toolkit::TextBox box(text);
    const auto rows = checkedRows<Table>(Stage(box));
    check(rowsFor<Stage, Table>(text + hint).none());

    std::string first;
    std::string rest;
    if (!splitAtFirstLine(text, first, rest)) return 0;
    if (any5::stages::showsColonHint(text)) {
        check(rows.none());
        return 0;
    }
    if constexpr (std::is_same_v<Stage, any5::stages::TripleKeepStage>) {
        // A blank line holds no number, so it keeps no bet.
        const auto keptBy = [](const std::string& part) {
            return isBlank(part) ? fullTable<Table>().aliveRows() : rowsFor<Stage, Table>(part);
        };
        check(rows == (keptBy(first) & keptBy(rest)));
    } else {
        check(rows == (rowsFor<Stage, Table>(first) | rowsFor<Stage, Table>(rest)));
    }
    return 0;
}

}  // namespace fuzz
