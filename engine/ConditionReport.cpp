#include "engine/ConditionReport.h"

#include <algorithm>

namespace engine {

ConditionReport reportOf(const Verdicts& verdicts, const Tolerance& tolerance) {
    ConditionReport report;
    report.rowCount = verdicts.rowCount;
    // Rows broken by one active condition, and by two or more.
    RowBits once;
    RowBits twice;
    for (const auto& condition : verdicts.conditions) {
        twice |= once & condition.breaks;
        once = (once | condition.breaks) & ~twice;
    }
    RowBits struck;
    for (const auto& condition : verdicts.conditions) {
        ReportRow row{condition.name, condition.summary, 0, 0, 0, true, condition.missing};
        row.alone = static_cast<int>(condition.breaks.count());
        row.inOrder = static_cast<int>((condition.breaks & ~struck).count());
        row.only = static_cast<int>((condition.breaks & once).count());
        row.takesPart = tolerance.hard.count(condition.name) == 0;
        struck |= condition.breaks;
        report.totals.only += row.only;
        report.rows.push_back(std::move(row));
    }
    report.totals.name = "合计";
    report.totals.alone = static_cast<int>(struck.count());

    const Survivors survivors = survivorsOf(verdicts, tolerance);
    report.survivorRows = survivors.rows;
    report.survivors = static_cast<int>(survivors.rows.count());
    report.totals.inOrder = report.rowCount - report.survivors;
    for (int r = 1; r <= verdicts.rowCount; ++r) {
        if (!survivors.rows[static_cast<std::size_t>(r)]) continue;
        const std::size_t breaks = survivors.breakCounts[static_cast<std::size_t>(r)];
        if (report.survivorsByBreaks.size() <= breaks) report.survivorsByBreaks.resize(breaks + 1);
        ++report.survivorsByBreaks[breaks];
    }
    return report;
}

std::array<std::string, 3> totalsCells(const ConditionReport& report) {
    return {"任一条件杀 " + std::to_string(report.totals.alone),
            "缩水杀 " + std::to_string(report.totals.inOrder),
            "只违反一个条件 " + std::to_string(report.totals.only)};
}

}  // namespace engine
