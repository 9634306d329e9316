#pragma once

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "history/Draw.h"

namespace trend {

// The trend chart (走势图) of a lottery's stored draws, as players read it:
// one row a draw, oldest first, over the newest draws (the window); the
// number grid, then one block per count condition with a cell per value, then
// plain number columns. No Qt.
enum class Edition { Any5, Front3 };

// A block of cells: a count's values (奇号个数 0–5), or a plain column (和值).
struct Block {
    std::string name;
    int first = 0;
    int last = 0;
    bool isPlain = false;
};

// A column of the chart. Grid columns belong to no block (block -1): any-5
// one grid, front-3 one per position (0..2); `value` is the number. A block's
// cell column holds one of its values; a plain column its one column.
struct Column {
    int block = -1;
    int position = 0;
    int value = 0;

    bool isGrid() const { return block < 0; }
};

// Over the window: 出现次数, 最大遗漏, 平均遗漏, 最大连出, 当前遗漏; a skip
// that runs from the first stored draw may be longer (shown "≥").
struct ColumnStats {
    int appearances = 0;
    int maxSkip = 0;
    bool isMaxSkipOpen = false;
    double meanSkip = 0.0;
    int maxRun = 0;
    int currentSkip = 0;
    bool isCurrentSkipOpen = false;
};

struct Chart {
    // A cell of a draw: 0 where it is hit (the number drawn, the draw's
    // value), otherwise its skip; negative (-skip) while the value has not
    // been seen since the first stored draw. Plain columns hold the value, or
    // kNoValue where the draw has none (重号 of the first stored draw).
    static constexpr int kNoValue = std::numeric_limits<int>::min();

    Edition edition = Edition::Any5;
    std::vector<Block> blocks;
    std::vector<Column> columns;
    std::vector<std::string> issues;  // the window, oldest first
    std::vector<std::array<int, history::kBallCount>> numbers;
    std::vector<int> cells;  // issues.size() rows of columns.size()
    std::vector<ColumnStats> stats;
    int storedDraws = 0;

    int rowCount() const { return static_cast<int>(issues.size()); }
    int columnCount() const { return static_cast<int>(columns.size()); }
    int cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * columns.size() +
                     static_cast<std::size_t>(column)];
    }
    // "01", "3"; a plain column its block's name ("和值").
    std::string caption(int column) const;
    // "号码" (any-5), "第一位" … (front-3), or the block's name.
    std::string groupName(int column) const;
};

// The chart of the newest `window` draws of `newestFirst` (all for 0 or
// less); skips are counted over every draw given. `bigFrom` is the first big
// number (7 or 6), as the main window's 大号 option says.
Chart chartOf(Edition edition, int bigFrom, const std::vector<history::Draw>& newestFirst,
              int window);

// "数据从 2026120101 期到 2026120160 期，共 60 期", or "没有开奖历史".
std::string windowLine(const Chart& chart);
// The five statistics rows' names, in order.
inline constexpr std::array<const char*, 5> kStatsNames = {"出现次数", "平均遗漏", "最大遗漏",
                                                           "最大连出", "当前遗漏"};
// A statistics row's value for a column as shown: "12", "1.4", "≥35"; ""
// for a plain column.
std::string statsCell(const Chart& chart, int statsRow, int column);
// A cell as shown: the number or value where hit, the skip ("≥7" while open)
// elsewhere; plain columns their value.
std::string cellText(const Chart& chart, int row, int column);

// The window line, then the statistics rows as aligned text: each led by its
// name, one value per grid and block cell in the chart's order.
std::string statsText(const Chart& chart);
// Every row and column shown, then the statistics rows, as CSV.
std::string chartCsv(const Chart& chart);

}  // namespace trend
