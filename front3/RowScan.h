#pragma once

#include <array>

#include "front3/CandidateTable.h"

namespace front3 {

using RowSet = CandidateTable::RowSet;
using Bet = std::array<int, 3>;  // numbers by position

// One pass over the alive rows: the rows for which `breaks(bet, mask)` holds.
template <class Breaks>
RowSet rowsWhere(const CandidateTable& table, Breaks breaks) {
    RowSet rows;
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        const Bet bet{table.number(row, 1), table.number(row, 2), table.number(row, 3)};
        if (breaks(bet, table.mask(row))) rows.set(row);
    }
    return rows;
}

}  // namespace front3
