#include "engine/ReportText.h"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

std::string padded(const std::string& text, std::size_t width, bool right) {
    const std::string fill(width - std::min(width, displayWidth(text)), ' ');
    return right ? fill + text : text + fill;
}

}  // namespace

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += bytes >= 3 ? 2 : 1;
        i += bytes;
    }
    return width;
}

std::string alignedText(const std::vector<std::vector<std::string>>& lines,
                        const std::vector<bool>& rightAligned) {
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(line[c]));
    }
    std::string text;
    for (const auto& line : lines) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0) out += "  ";
            out += padded(line[c], widths[c], c < rightAligned.size() && rightAligned[c]);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        text += out + "\n";
    }
    return text;
}

std::string reportText(const ConditionReport& report, const std::string& toleranceLine) {
    std::vector<std::vector<std::string>> lines = {
        {"条件", "设置", "单独杀", "顺序杀", "独杀", "参与容错"}};
    for (const auto& row : report.rows) {
        std::string setting = row.summary;
        const std::string note = noteOf(row);
        if (!note.empty()) setting += (setting.empty() ? "" : "  ") + note;
        lines.push_back({row.name, setting, std::to_string(row.alone), std::to_string(row.inOrder),
                         std::to_string(row.only), row.takesPart ? "是" : "否"});
    }
    const auto totals = totalsCells(report);
    lines.push_back({report.totals.name,
                     "共 " + std::to_string(report.rowCount) + " 注，剩 " +
                         std::to_string(report.survivors) + " 注",
                     totals[0], totals[1], totals[2], ""});
    std::string text = alignedText(lines, {false, false, true, true, true, false});
    if (!toleranceLine.empty()) text += toleranceLine + "\n";
    return text;
}

}  // namespace engine
