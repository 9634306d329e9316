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

// A row's note while its play waits for its turn.
inline constexpr const char* kWaitingNote = "等待";

// The plays side by side as the window shows them and the runner prints
// them: one row of cells per play. Once no play waits or solves, the cheapest
// and the best guaranteed prize per 元 are pointed out (every row of a tie),
// among the plays whose tickets surely win back their cost; the others say
// "保底不回本".
struct TicketTable {
    enum Column { kPlay, kCount, kCost, kPrize, kLeast, kMost, kBalance, kProof, kNote, kColumns };
    static const std::array<const char*, kColumns> kHeader;
    static constexpr bool isNumber(int column) { return column >= kCount && column <= kBalance; }

    std::vector<std::array<std::string, kColumns>> cells;
    std::vector<bool> isPointedOut;
};

TicketTable ticketTable(const std::vector<PlayRow>& rows);

}  // namespace tickets
