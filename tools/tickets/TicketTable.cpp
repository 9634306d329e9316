#include "tools/tickets/TicketTable.h"

#include <algorithm>
#include <cstdio>

#include "engine/Money.h"

namespace tickets {

const std::array<const char*, TicketTable::kColumns> TicketTable::kHeader = {
    "玩法",         "注数",         "成本(元)", "单注奖金(元)", "保底奖金(元)",
    "最高奖金(元)", "保底盈亏(元)", "最少注数", "备注"};

namespace {

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

void join(std::string& notes, const std::string& note) {
    notes += (notes.empty() ? "" : "、") + note;
}

}  // namespace

TicketTable ticketTable(const std::vector<PlayRow>& rows) {
    std::vector<const reducer::Reduction*> reductions;
    for (const auto& row : rows) reductions.push_back(row.reduction ? &*row.reduction : nullptr);
    const bool isOver = std::none_of(rows.begin(), rows.end(), [](const PlayRow& row) {
        return row.isSolving || row.note == kWaitingNote;
    });
    reducer::PlayMarks marks = reducer::markPlays(reductions);
    if (!isOver) {
        marks.isCheapest.assign(rows.size(), false);
        marks.paysBest.assign(rows.size(), false);
    }
    TicketTable table;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        auto& cells = table.cells.emplace_back();
        cells[TicketTable::kPlay] = std::string(row.play.name);
        cells[TicketTable::kPrize] = std::to_string(row.play.prize);
        if (row.reduction) {
            const auto& found = *row.reduction;
            cells[TicketTable::kCount] = std::to_string(found.count());
            cells[TicketTable::kCost] = std::to_string(found.cost());
            cells[TicketTable::kLeast] = std::to_string(found.leastPrize);
            cells[TicketTable::kMost] = std::to_string(found.mostPrize);
            cells[TicketTable::kBalance] = engine::signedText(found.guaranteedBalance());
            cells[TicketTable::kProof] = reducer::proofText(found);
            if (!found.paysBack()) join(cells[TicketTable::kNote], reducer::kNoPayBackMark);
            if (marks.isCheapest[i]) join(cells[TicketTable::kNote], reducer::kCheapestMark);
            if (marks.paysBest[i]) join(cells[TicketTable::kNote], reducer::kPaysBestMark);
            if (found.wasStopped) join(cells[TicketTable::kNote], "已停止");
        } else if (row.isSolving) {
            const auto& progress = row.progress;
            if (progress.bestCount > 0)
                cells[TicketTable::kCount] = std::to_string(progress.bestCount);
            const bool isProven =
                progress.bestCount > 0 && progress.bestCount <= progress.lowerBound;
            if (isProven)
                cells[TicketTable::kProof] = reducer::kProvenLeast;
            else if (progress.lowerBound > 0)
                cells[TicketTable::kProof] = reducer::atLeastText(progress.lowerBound);
            cells[TicketTable::kNote] = "计算中 " + secondsText(progress.elapsedSeconds) + " 秒";
        } else {
            cells[TicketTable::kNote] = row.note;
        }
        table.isPointedOut.push_back(marks.isCheapest[i] || marks.paysBest[i]);
    }
    return table;
}

}  // namespace tickets
