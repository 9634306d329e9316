#include "front3/ShapeStages.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <set>

#include "engine/Selection.h"
#include "front3/RowScan.h"

namespace front3 {
namespace {

constexpr engine::BetMask kOdd = 0b101'0101'0101;    // 01 03 05 07 09 11
constexpr engine::BetMask kPrime = 0b100'0101'0111;  // 01 02 03 05 07 11

bool in(engine::BetMask set, int number) {
    return (set & (1u << (number - 1))) != 0;
}

std::set<std::string> tickedCaptions(std::initializer_list<const CheckBoxes*> families) {
    std::set<std::string> captions;
    for (const CheckBoxes* family : families) {
        for (const auto& box : *family) {
            if (box.isTicked()) captions.insert(box.caption());
        }
    }
    return captions;
}

// Which of the eight patterns of one family are ticked; bit k of a code is set
// when the number at position k belongs to the family's first letter.
std::bitset<8> tickedCodes(const std::set<std::string>& ticked, const char* yes, const char* no) {
    std::bitset<8> codes;
    for (unsigned code = 0; code < 8; ++code) {
        std::string pattern;
        for (int k = 0; k < 3; ++k) pattern += (code >> k) & 1u ? yes : no;
        if (ticked.count(pattern)) codes.set(code);
    }
    return codes;
}

std::string patternText(const Bet& bet, engine::BetMask set, const char* yes, const char* no) {
    std::string text;
    for (const int n : bet) text += in(set, n) ? yes : no;
    return text;
}

unsigned codeOf(const Bet& bet, engine::BetMask set) {
    return (in(set, bet[0]) ? 1u : 0u) | (in(set, bet[1]) ? 2u : 0u) | (in(set, bet[2]) ? 4u : 0u);
}

enum Kill : unsigned {
    kNoRun = 1 << 0,
    kTwoRun = 1 << 1,
    kThreeRun = 1 << 2,
    kUphill = 1 << 3,
    kDownhill = 1 << 4,
    kValley = 1 << 5,
    kPeak = 1 << 6,
};

unsigned killOf(std::string_view caption) {
    static constexpr std::pair<std::string_view, unsigned> kCaptions[] = {
        {"不连", kNoRun},    {"2连", kTwoRun | kThreeRun}, {"3连", kThreeRun},
        {"上山形", kUphill}, {"下山形", kDownhill},        {"凹形", kValley},
        {"凸形", kPeak},
    };
    for (const auto& [text, kill] : kCaptions) {
        if (caption == text) return kill;
    }
    return 0;
}

unsigned patternsOf(const Bet& bet) {
    const int links = ConsecutiveShapeStage::linksOf(bet[0], bet[1], bet[2]);
    unsigned shown = 0;
    if (links == 0) shown |= kNoRun;
    if (links == 1 || links == 10) shown |= kTwoRun;
    if (links == 2 || links == 11) shown |= kThreeRun;
    if (bet[0] < bet[1] && bet[1] < bet[2]) shown |= kUphill;
    if (bet[0] > bet[1] && bet[1] > bet[2]) shown |= kDownhill;
    if (bet[1] < bet[0] && bet[1] < bet[2]) shown |= kValley;
    if (bet[1] > bet[0] && bet[1] > bet[2]) shown |= kPeak;
    return shown;
}

}  // namespace

RowSet PathPatternStage::rowsToKill(const CandidateTable& table) const {
    std::bitset<27> ticked;
    for (const auto& box : m_boxes) {
        const std::string& caption = box.caption();
        if (!box.isTicked() || caption.size() != 3) continue;
        int code = 0;
        bool valid = true;
        for (char c : caption) {
            valid = valid && c >= '0' && c <= '2';
            code = code * 3 + (c - '0');
        }
        if (valid) ticked.set(static_cast<std::size_t>(code));
    }
    if (ticked.none()) return {};
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return ticked[static_cast<std::size_t>(9 * (bet[0] % 3) + 3 * (bet[1] % 3) + bet[2] % 3)];
    });
}

int ConsecutiveShapeStage::linksOf(int a, int b, int c) {
    std::array<int, 3> sorted{a, b, c};
    std::sort(sorted.begin(), sorted.end());
    return (sorted[1] - sorted[0] == 1 ? 1 : 0) + (sorted[2] - sorted[1] == 1 ? 1 : 0) +
           (sorted[2] - sorted[0] == 10 ? 10 : 0);
}

std::vector<int> ConsecutiveShapeStage::runOf(int a, int b, int c) {
    std::array<int, 3> s{a, b, c};
    std::sort(s.begin(), s.end());
    switch (linksOf(a, b, c)) {
        case 1:
            return s[1] - s[0] == 1 ? std::vector{s[0], s[1]} : std::vector{s[1], s[2]};
        case 2:
            return {s[0], s[1], s[2]};
        case 10:
            return {11, 1};
        case 11:
            return s[1] == 2 ? std::vector{11, 1, 2} : std::vector{10, 11, 1};
        default:
            return {};
    }
}

std::vector<std::string> ConsecutiveShapeStage::strikingCaptions(const Bet& bet) const {
    const unsigned shown = patternsOf(bet);
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].backColour() == toolkit::palette::kYellow &&
            (killOf(m_buttons[i].caption()) & shown) != 0)
            captions.push_back(m_buttons[i].caption());
    }
    return captions;
}

// "2连" also kills the three-runs, as the panel's help says.
RowSet ConsecutiveShapeStage::rowsToKill(const CandidateTable& table) const {
    unsigned killed = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].backColour() == toolkit::palette::kYellow)
            killed |= killOf(m_buttons[i].caption());
    }
    if (killed == 0) return {};
    return rowsWhere(
        table, [&](const Bet& bet, engine::BetMask) { return (patternsOf(bet) & killed) != 0; });
}

std::array<std::string, 3> PatternStage::patternsOf(const Bet& bet) const {
    return {patternText(bet, engine::numbersInList(m_bigNumbers), "大", "小"),
            patternText(bet, kOdd, "奇", "偶"), patternText(bet, kPrime, "质", "合")};
}

RowSet PatternStage::rowsToKill(const CandidateTable& table) const {
    const auto ticked = tickedCaptions({&m_big, &m_odd, &m_prime});
    if (ticked.empty()) return {};
    const auto big = tickedCodes(ticked, "大", "小");
    const auto odd = tickedCodes(ticked, "奇", "偶");
    const auto prime = tickedCodes(ticked, "质", "合");
    const engine::BetMask bigNumbers = engine::numbersInList(m_bigNumbers);
    return rowsWhere(table, [&](const Bet& bet, engine::BetMask) {
        return big[codeOf(bet, bigNumbers)] || odd[codeOf(bet, kOdd)] || prime[codeOf(bet, kPrime)];
    });
}

}  // namespace front3
