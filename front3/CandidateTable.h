#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

#include "engine/CandidateTable.h"

namespace front3 {

// The front-3 table: every ordered choice of the first three balls, 990 rows
// in lexicographic order (row 1 is 01 02 03, row 10 is 01 03 02, row 990 is
// 11 10 09), each with a kill flag. Rows 0..990 by columns 0..4; row 0 and
// column 0 stay 0, columns 1..3 hold the numbers by position, column 4 the
// flag. A group conversion sorts the alive rows in place until the next
// generation.
class CandidateTable {
public:
    static constexpr int kRowCount = 990;
    static constexpr int kFlagColumn = 4;
    using RowSet = std::bitset<kRowCount + 1>;

    void generate(const std::function<void()>& yieldPerRow = {});

    std::int32_t cell(int row, int column) const { return m_cells.at(row).at(column); }
    // The number at position 1..3 of a row.
    int number(int row, int position) const { return m_cells[row][position]; }
    engine::BetMask mask(int row) const { return m_masks[row]; }
    bool isKilled(int row) const { return m_cells[row][kFlagColumn] != 0; }
    void kill(int row) { m_cells[row][kFlagColumn] = 1; }
    void killRows(const RowSet& rows);
    RowSet aliveRows() const;
    // Sorts one row's numbers ascending in place, by three passes of
    // neighbour swaps.
    void sortRow(int row);

    // The row that generation gives the bet (a, b, c).
    static int rowOf(int a, int b, int c);

private:
    std::array<std::array<std::int32_t, kFlagColumn + 1>, kRowCount + 1> m_cells{};
    std::array<engine::BetMask, kRowCount + 1> m_masks{};
};

}  // namespace front3
