#include "engine/Publication.h"

#include <utility>

#include "app/toolkit/LineBreaks.h"

namespace engine {

Publication publishLines(std::vector<std::string> lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    std::string trimmed(toolkit::trimSpaces(text));
    return {std::move(lines), std::move(trimmed)};
}

Publication publishAlive(const CandidateTable& table, char separator) {
    std::vector<std::string> lines;
    lines.reserve(CandidateTable::kRowCount);
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        std::string line;
        for (int k = 1; k <= CandidateTable::kNumberCount; ++k) {
            const int n = table.number(row, k);
            if (k > 1) line += separator;
            line += static_cast<char>('0' + n / 10);
            line += static_cast<char>('0' + n % 10);
        }
        lines.push_back(std::move(line));
    }
    return publishLines(std::move(lines));
}

}  // namespace engine
