#include "front3/Publication.h"

#include <bitset>
#include <string>
#include <utility>
#include <vector>

namespace front3 {
namespace {

std::string lineOf(int a, int b, int c, char separator) {
    const char line[8] = {
        static_cast<char>('0' + a / 10), static_cast<char>('0' + a % 10), separator,
        static_cast<char>('0' + b / 10), static_cast<char>('0' + b % 10), separator,
        static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10)};
    return std::string(line, 8);
}

}  // namespace

engine::Publication publishDirect(const CandidateTable& table, char separator) {
    std::vector<std::string> lines;
    lines.reserve(CandidateTable::kRowCount);
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        lines.push_back(
            lineOf(table.number(row, 1), table.number(row, 2), table.number(row, 3), separator));
    }
    return engine::publishLines(std::move(lines));
}

// Lines all have the same length and are separated by CR LF, so a line
// occurs in the text built so far exactly when its set was listed before;
// the set's mask answers that without searching the text.
engine::Publication publishGroups(CandidateTable& table, char separator) {
    std::vector<std::string> lines;
    std::bitset<2048> listed;
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (table.isKilled(row)) continue;
        table.sortRow(row);
        const engine::BetMask set = table.mask(row);
        if (listed[set]) continue;
        listed.set(set);
        lines.push_back(
            lineOf(table.number(row, 1), table.number(row, 2), table.number(row, 3), separator));
    }
    engine::Publication groups = engine::publishLines(std::move(lines));
    groups.unit = "组";
    return groups;
}

}  // namespace front3
