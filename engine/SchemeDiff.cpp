#include "engine/SchemeDiff.h"

#include <unordered_set>

#include "engine/ReportText.h"

namespace engine {
namespace {

std::string summaryOf(const Verdicts& verdicts, const std::string& name) {
    for (const auto& condition : verdicts.conditions) {
        if (condition.name == name) return condition.summary;
    }
    return {};
}

std::string toleranceText(const Tolerance& tolerance) {
    if (tolerance.isPlain() && tolerance.hard.empty()) return {};
    std::string text = "错 " + std::to_string(tolerance.min) + "-" + std::to_string(tolerance.max);
    if (!tolerance.hard.empty()) {
        text += "，不参与：";
        bool isFirst = true;
        for (const auto& name : tolerance.hard) {
            text += (isFirst ? "" : "、") + name;
            isFirst = false;
        }
    }
    return text;
}

DiffRow rowOf(std::string name, std::string first, std::string second) {
    DiffRow row{std::move(name), std::move(first), std::move(second), DiffRow::State::Same};
    if (row.first.empty()) {
        row.state = DiffRow::State::OnlySecond;
    } else if (row.second.empty()) {
        row.state = DiffRow::State::OnlyFirst;
    } else if (row.first != row.second) {
        row.state = DiffRow::State::Different;
    }
    return row;
}

}  // namespace

std::vector<DiffRow> diffRows(const std::vector<std::string>& names, const Verdicts& first,
                              const Tolerance& firstTolerance, const Verdicts& second,
                              const Tolerance& secondTolerance) {
    std::vector<DiffRow> rows;
    for (const auto& name : names) {
        std::string a = summaryOf(first, name);
        std::string b = summaryOf(second, name);
        if (a.empty() && b.empty()) continue;
        rows.push_back(rowOf(name, std::move(a), std::move(b)));
    }
    std::string a = toleranceText(firstTolerance);
    std::string b = toleranceText(secondTolerance);
    if (!a.empty() || !b.empty()) rows.push_back(rowOf("容错", std::move(a), std::move(b)));
    return rows;
}

ResultDiff resultDiff(const std::vector<std::string>& first,
                      const std::vector<std::string>& second) {
    const std::unordered_set<std::string> inFirst(first.begin(), first.end());
    const std::unordered_set<std::string> inSecond(second.begin(), second.end());
    ResultDiff diff;
    for (const auto& line : first)
        (inSecond.contains(line) ? diff.both : diff.onlyFirst).push_back(line);
    for (const auto& line : second) {
        if (!inFirst.contains(line)) diff.onlySecond.push_back(line);
    }
    return diff;
}

std::string stateText(DiffRow::State state, const std::string& firstLabel,
                      const std::string& secondLabel) {
    switch (state) {
        case DiffRow::State::Same:
            return "相同";
        case DiffRow::State::Different:
            return "不同";
        case DiffRow::State::OnlyFirst:
            return "只在" + firstLabel;
        case DiffRow::State::OnlySecond:
            break;
    }
    return "只在" + secondLabel;
}

std::string diffText(const std::vector<DiffRow>& rows, const ResultDiff& results,
                     const std::string& firstLabel, const std::string& secondLabel,
                     const std::string& unit) {
    std::vector<std::vector<std::string>> lines = {{"条件", firstLabel, secondLabel, "比较"}};
    for (const auto& row : rows)
        lines.push_back(
            {row.name, row.first, row.second, stateText(row.state, firstLabel, secondLabel)});
    return alignedText(lines, {false, false, false, false}) + "共同 " +
           std::to_string(results.both.size()) + " " + unit + "，只在" + firstLabel + " " +
           std::to_string(results.onlyFirst.size()) + " " + unit + "，只在" + secondLabel + " " +
           std::to_string(results.onlySecond.size()) + " " + unit + "\n";
}

}  // namespace engine
