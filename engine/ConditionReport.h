#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/Verdicts.h"

namespace engine {

// One line of the condition report.
struct ReportRow {
    std::string name;
    std::string summary;
    int alone = 0;    // 单独杀: bets it breaks
    int inOrder = 0;  // 顺序杀: bets it newly strikes in run order
    int only = 0;     // 独杀: bets that break it and no other active condition
    bool takesPart = true;
    std::string missing;  // why it is set but not applied now, or ""
};

inline constexpr const char* kNothingStruck = "本条件没有杀掉任何一注";

// What the report says beside a row: that its condition is not applied for
// want of past draws, or that it strikes nothing.
inline std::string noteOf(const ReportRow& row) {
    if (!row.missing.empty()) return "未应用：" + row.missing;
    return row.alone == 0 ? kNothingStruck : "";
}

// The numbers of the report window, from one run's verdicts.
struct ConditionReport {
    std::vector<ReportRow> rows;
    // alone: bets breaking at least one condition; inOrder: bets the run
    // strikes, with its 容错 (rowCount - survivors); only: the sum.
    ReportRow totals;
    int rowCount = 0;
    int survivors = 0;
    RowBits survivorRows;  // with the tolerance
    // Survivors by how many taking-part conditions they break: [0], [1], ...
    std::vector<int> survivorsByBreaks;
};

ConditionReport reportOf(const Verdicts& verdicts, const Tolerance& tolerance);

// The totals row under 单独杀, 顺序杀 and 独杀, each saying what it counts:
//   {"任一条件杀 453", "缩水杀 453", "只违反一个条件 53"}
std::array<std::string, 3> totalsCells(const ConditionReport& report);

}  // namespace engine
