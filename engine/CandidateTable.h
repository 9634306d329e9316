#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

#include "engine/BetMask.h"

namespace engine {

// The any-5 table: every set of five numbers out of 01..11, one per row in
// lexicographic order (row 1 is 01 02 03 04 05, row 462 is 07 08 09 10 11),
// each with a kill flag. Rows 0..462 by columns 0..6; row 0 and column 0 stay
// 0, columns 1..5 hold the numbers ascending, column 6 the flag (0 alive,
// 1 killed). Until the first generation every cell is 0.
class CandidateTable {
public:
    static constexpr int kRowCount = 462;
    static constexpr int kNumberCount = 5;
    static constexpr int kFlagColumn = 6;
    // Row r is bit r; bit 0 is never set.
    using RowSet = std::bitset<kRowCount + 1>;

    // Fills rows 1..462 and clears every kill flag, calling `yieldPerRow`
    // after each row so that a window keeps painting.
    void generate(const std::function<void()>& yieldPerRow = {});

    std::int32_t cell(int row, int column) const { return m_cells.at(row).at(column); }
    // Number k (1..5, ascending) of a row.
    int number(int row, int k) const { return m_cells[row][k]; }
    BetMask mask(int row) const { return m_masks[row]; }
    bool isKilled(int row) const { return m_cells[row][kFlagColumn] != 0; }
    void kill(int row) { m_cells[row][kFlagColumn] = 1; }
    void killRows(const RowSet& rows);
    RowSet aliveRows() const;
    // The row of a set of five numbers (bit n-1 for number n), 0 for any other mask.
    static int rowOf(BetMask mask);

private:
    std::array<std::array<std::int32_t, kFlagColumn + 1>, kRowCount + 1> m_cells{};
    std::array<BetMask, kRowCount + 1> m_masks{};
};

}  // namespace engine
