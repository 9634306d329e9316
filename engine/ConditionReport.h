#pragma once

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
};

inline constexpr const char* kNothingStruck = "本条件没有杀掉任何一注";

// What the report says beside a row: that its condition strikes nothing.
inline std::string noteOf(const ReportRow& row) {
    return row.alone == 0 ? kNothingStruck : "";
}

// The numbers of the report window, from one run's verdicts.
struct ConditionReport {
    std::vector<ReportRow> rows;
    // alone and inOrder: bets breaking at least one condition; only: the sum.
    ReportRow totals;
    int rowCount = 0;
    int survivors = 0;
    // Survivors by how many taking-part conditions they break: [0], [1], ...
    std::vector<int> survivorsByBreaks;
};

ConditionReport reportOf(const Verdicts& verdicts, const Tolerance& tolerance);

}  // namespace engine
