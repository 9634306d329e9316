#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reducer/Reducer.h"

namespace tickets {

// One play of a run: its tickets once its solve ended, its progress while it
// solves, or why it has none.
struct PlayRow {
    reducer::PlayInfo play;
    std::optional<reducer::Reduction> reduction;
    std::string note;  // its error, "等待", "计算中", "已停止"
    bool isSolving = false;
    reducer::Progress progress;  // while solving
};

// The plays side by side as the window shows them and the runner prints
// them: one row of cells per play, the cheapest and the best guaranteed
// prize per 元 pointed out (every row of a tie).
struct TicketTable {
    enum Column { kPlay, kCount, kCost, kPrize, kLeast, kMost, kProof, kNote, kColumns };
    static const std::array<const char*, kColumns> kHeader;
    static constexpr bool isNumber(int column) { return column >= kCount && column <= kMost; }

    std::vector<std::array<std::string, kColumns>> cells;
    std::vector<bool> isPointedOut;
};

TicketTable ticketTable(const std::vector<PlayRow>& rows);

}  // namespace tickets
