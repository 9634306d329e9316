#pragma once

#include <cstddef>

namespace engine {

// Calls `visit(row)` for every row in a row set, lowest first. libstdc++
// finds the set bits a word at a time; most stages kill few rows.
template <class RowSet, class Visit>
void forEachRow(const RowSet& rows, Visit visit) {
    for (std::size_t row = rows._Find_first(); row < rows.size(); row = rows._Find_next(row))
        visit(static_cast<int>(row));
}

// The rows whose kill flag is clear, as a row set.
template <class Table>
typename Table::RowSet aliveRowsOf(const Table& table) {
    typename Table::RowSet alive;
    for (int row = 1; row <= Table::kRowCount; ++row) {
        if (!table.isKilled(row)) alive.set(static_cast<std::size_t>(row));
    }
    return alive;
}

}  // namespace engine
