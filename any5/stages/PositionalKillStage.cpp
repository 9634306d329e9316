#include "any5/stages/PositionalKillStage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "any5/stages/BetShape.h"
#include "any5/stages/RowScan.h"
#include "engine/TypedBet.h"
#include "toolkit/LineBreaks.h"

namespace any5::stages {
namespace {

// A line's pattern packs five fields of four bits: 0 for "*", 1..11 for a
// number. Lines with a field that can match nothing get no pattern.
constexpr int kFieldBits = 4;
constexpr std::size_t kPatternCount = std::size_t{1} << (5 * kFieldBits);
constexpr int kExpandedLength = 14;  // five two-character fields and four blanks

int fieldValue(char first, char second) {
    if (first == '*' && second == '*') return 0;
    const int n = engine::numberAt(first, second);
    return n != 0 ? n : -1;
}

// The line read with every "*" doubled, as far as the five fields reach.
bool patternOf(std::string_view line, std::uint32_t& pattern) {
    std::array<char, kExpandedLength> expanded{};
    std::size_t length = 0;
    for (char c : line) {
        if (length == expanded.size()) break;
        expanded[length++] = c;
        if (c == '*' && length < expanded.size()) expanded[length++] = '*';
    }
    if (length < expanded.size()) return false;  // a field is missing
    pattern = 0;
    for (int k = 0; k < 5; ++k) {
        const int value = fieldValue(expanded[3 * k], expanded[3 * k + 1]);
        if (value < 0) return false;
        pattern |= static_cast<std::uint32_t>(value) << (kFieldBits * k);
    }
    return true;
}

// A field of 0 ("*") matches any number: the pattern's mask keeps only the
// fields that name one.
std::uint32_t fieldMask(std::uint32_t pattern) {
    std::uint32_t mask = 0;
    for (int k = 0; k < 5; ++k) {
        const std::uint32_t field = 0xFu << (kFieldBits * k);
        if ((pattern & field) != 0) mask |= field;
    }
    return mask;
}

// The five numbers of a bet packed as a pattern's fields.
std::uint32_t packed(engine::BetMask bet) {
    const auto numbers = numbersOf(bet);
    std::uint32_t pattern = 0;
    for (int k = 0; k < 5; ++k)
        pattern |= static_cast<std::uint32_t>(numbers[k]) << (kFieldBits * k);
    return pattern;
}

}  // namespace

PositionalKillStage::LineHit PositionalKillStage::strikingLine(engine::BetMask bet) const {
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty()) return {};
    const std::uint32_t numbers = packed(bet);
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        std::uint32_t pattern = 0;
        if (patternOf(text.substr(start, end - start), pattern) &&
            (numbers & fieldMask(pattern)) == pattern) {
            std::string fields;
            for (int k = 0; k < 5; ++k) {
                const auto value = static_cast<int>((pattern >> (kFieldBits * k)) & 0xFu);
                if (k > 0) fields += ' ';
                fields += value == 0 ? "*" : engine::twoDigits(value);
            }
            return {number, fields};
        }
        start = end + 2;
    }
    return {};
}

// A few lines are compared with each bet directly; beyond that a table of
// every pattern present is looked up in the 32 ways a bet can match a line,
// so a paste of any length costs one pass over its lines.
RowSet PositionalKillStage::rowsToKill(const engine::CandidateTable& table) const {
    constexpr std::size_t kFewLines = 32;
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty()) return {};

    std::vector<std::uint32_t> few;
    std::vector<bool> present;  // by pattern, once there are many lines
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        std::uint32_t pattern = 0;
        if (patternOf(text.substr(start, end - start), pattern)) {
            if (!present.empty()) {
                present[pattern] = true;
            } else if (few.size() < kFewLines) {
                few.push_back(pattern);
            } else {
                present.assign(kPatternCount, false);
                for (std::uint32_t p : few) present[p] = true;
                present[pattern] = true;
            }
        }
        start = end + 2;
    }
    if (few.empty()) return {};

    if (present.empty()) {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> lines;  // pattern, mask
        for (std::uint32_t p : few) lines.emplace_back(p, fieldMask(p));
        return rowsWhere(table, [&](engine::BetMask mask, const BetShape&) {
            const std::uint32_t numbers = packed(mask);
            for (const auto& [pattern, fields] : lines) {
                if ((numbers & fields) == pattern) return true;
            }
            return false;
        });
    }
    return rowsWhere(table, [&](engine::BetMask mask, const BetShape&) {
        const auto numbers = numbersOf(mask);
        for (unsigned stars = 0; stars < 32; ++stars) {
            std::uint32_t pattern = 0;
            for (int k = 0; k < 5; ++k) {
                if ((stars & (1u << k)) == 0)
                    pattern |= static_cast<std::uint32_t>(numbers[k]) << (kFieldBits * k);
            }
            if (present[pattern]) return true;
        }
        return false;
    });
}

}  // namespace any5::stages
