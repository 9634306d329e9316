#include "front3/TextStages.h"

#include <array>
#include <bit>
#include <bitset>

#include "engine/Selection.h"
#include "front3/RowScan.h"
#include "toolkit/LineBreaks.h"

namespace front3 {
namespace {

// Calls `visit` with each line of the text (split at CR LF only).
template <class Visit>
void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        visit(text.substr(start, end - start));
        start = end + 2;
    }
}

constexpr int code(int a, int b, int c) {
    return (a * 12 + b) * 12 + c;
}

}  // namespace

RowSet DirectKillStage::rowsToKill(const CandidateTable& table) const {
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty()) return {};
    std::bitset<12 * 12 * 12> killed;
    bool any = false;
    forEachLine(text, [&](std::string_view line) {
        std::array<int, 6> digits{};
        std::size_t count = 0;
        for (char c : line) {
            if (c < '0' || c > '9') continue;
            if (count < digits.size()) digits[count] = c - '0';
            ++count;
        }
        if (count != digits.size()) return;
        std::array<int, 3> numbers{};
        for (int k = 0; k < 3; ++k) {
            numbers[k] = digits[2 * k] * 10 + digits[2 * k + 1];
            if (numbers[k] < 1 || numbers[k] > 11) return;
        }
        killed.set(code(numbers[0], numbers[1], numbers[2]));
        any = true;
    });
    if (!any) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return killed[code(bet[0], bet[1], bet[2])];
    });
}

// For every ordered first-and-second pair (a, b), the union of the third
// parts of the lines that allow a first and b second: a bet (a, b, c) is
// killed exactly when c is in that union. A line costs one step per pair of
// numbers written in its first two parts, at most 121 and never more than its
// length allows, so a list of any length is read in time proportional to it.
// Repeated lines are not looked up to be skipped: a set of the lines seen
// would grow with the list and cost more than the steps it saves.
RowSet CompoundKillStage::rowsToKill(const CandidateTable& table) const {
    m_skipped = 0;
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty()) return {};
    std::array<std::array<engine::BetMask, 12>, 12> thirds{};
    bool any = false;
    forEachLine(text, [&](std::string_view line) {
        // A line of nothing but white space looks empty to the player, even
        // when lone CRs or LFs keep it from being split.
        if (line.find_first_not_of(" \t\r\n") == std::string_view::npos) return;
        std::array<engine::BetMask, 3> parts{};
        int count = 0;
        std::size_t start = 0;
        while (count < 3) {
            const std::size_t star = line.find('*', start);
            if (star == std::string_view::npos) {
                parts[count++] = engine::tokenMask(line.substr(start));
                break;
            }
            parts[count++] = engine::tokenMask(line.substr(start, star - start));
            start = star + 1;
        }
        if (count < 3) {
            ++m_skipped;
            return;
        }
        for (unsigned first = parts[0]; first != 0; first &= first - 1) {
            const int a = std::countr_zero(first) + 1;
            for (unsigned second = parts[1]; second != 0; second &= second - 1)
                thirds[a][std::countr_zero(second) + 1] |= parts[2];
        }
        any = true;
    });
    if (!any) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return (thirds[bet[0]][bet[1]] & (1u << (bet[2] - 1))) != 0;
    });
}

}  // namespace front3
