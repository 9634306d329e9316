#pragma once

#include "any5/stages/BetShape.h"
#include "engine/CandidateTable.h"

namespace any5::stages {

using RowSet = engine::CandidateTable::RowSet;

// One pass over the alive rows: the rows for which `breaks(mask, shape)` holds.
template <class Breaks>
RowSet rowsWhere(const engine::CandidateTable& table, Breaks breaks) {
    RowSet rows;
    const BetShape* shapes = betShapes();
    for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        const engine::BetMask mask = table.mask(row);
        if (breaks(mask, shapes[mask])) rows.set(row);
    }
    return rows;
}

}  // namespace any5::stages
