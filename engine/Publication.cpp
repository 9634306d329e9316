#include "engine/Publication.h"

#include <utility>

#include "toolkit/LineBreaks.h"

namespace engine {

Publication publishLines(std::vector<std::string> lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text.append("\r\n", 2);
        text.append(lines[i]);
    }
    const std::string_view trimmed = toolkit::trimSpaces(text);
    if (trimmed.size() != text.size()) text = std::string(trimmed);
    return {std::move(lines), std::move(text)};
}

// Lines are written into a fixed buffer so that each one is built without
// growing a string (a run publishes up to 462 of them).
Publication publishAlive(const CandidateTable& table, char separator) {
    constexpr int kLineLength = CandidateTable::kNumberCount * 3 - 1;
    std::vector<std::string> lines;
    lines.reserve(CandidateTable::kRowCount);
    char line[kLineLength];
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        for (int k = 0; k < CandidateTable::kNumberCount; ++k) {
            const int n = table.number(row, k + 1);
            line[k * 3] = static_cast<char>('0' + n / 10);
            line[k * 3 + 1] = static_cast<char>('0' + n % 10);
            if (k + 1 < CandidateTable::kNumberCount) line[k * 3 + 2] = separator;
        }
        lines.emplace_back(line, kLineLength);
    }
    return publishLines(std::move(lines));
}

}  // namespace engine
