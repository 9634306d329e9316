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

// The direct bet a line names, or false.
bool directBetOf(std::string_view line, Bet& numbers) {
    std::array<int, 6> digits{};
    std::size_t count = 0;
    for (char c : line) {
        if (c < '0' || c > '9') continue;
        if (count < digits.size()) digits[count] = c - '0';
        ++count;
    }
    if (count != digits.size()) return false;
    for (int k = 0; k < 3; ++k) {
        numbers[k] = digits[2 * k] * 10 + digits[2 * k + 1];
        if (numbers[k] < 1 || numbers[k] > 11) return false;
    }
    return true;
}

enum class Parts { Blank, Unreadable, Read };

// The numbers a compound line allows at each position.
Parts partsOf(std::string_view line, std::array<engine::BetMask, 3>& parts) {
    // A line of nothing but white space looks empty to the player, even
    // when lone CRs or LFs keep it from being split.
    if (line.find_first_not_of(" \t\r\n") == std::string_view::npos) return Parts::Blank;
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
    return count < 3 ? Parts::Unreadable : Parts::Read;
}

// The number from 1 of the first line of a box's text that `strikes`.
template <class Strikes>
int firstLine(std::string_view text, Strikes strikes) {
    int number = 0;
    int found = 0;
    forEachLine(text, [&](std::string_view line) {
        ++number;
        if (found == 0 && strikes(line)) found = number;
    });
    return found;
}

}  // namespace

int DirectKillStage::strikingLine(const Bet& bet) const {
    return firstLine(toolkit::trimSpaces(m_box.text()), [&bet](std::string_view line) {
        Bet numbers{};
        return directBetOf(line, numbers) && numbers == bet;
    });
}

int CompoundKillStage::strikingLine(const Bet& bet) const {
    return firstLine(toolkit::trimSpaces(m_box.text()), [&bet](std::string_view line) {
        std::array<engine::BetMask, 3> parts{};
        if (partsOf(line, parts) != Parts::Read) return false;
        for (int k = 0; k < 3; ++k) {
            if ((parts[k] & engine::bitOf(bet[k])) == 0) return false;
        }
        return true;
    });
}

RowSet DirectKillStage::rowsToKill(const CandidateTable& table) const {
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty()) return {};
    std::bitset<12 * 12 * 12> killed;
    bool any = false;
    forEachLine(text, [&](std::string_view line) {
        Bet numbers{};
        if (!directBetOf(line, numbers)) return;
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
        std::array<engine::BetMask, 3> parts{};
        const Parts read = partsOf(line, parts);
        if (read == Parts::Blank) return;
        if (read == Parts::Unreadable) {
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
