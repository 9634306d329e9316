#include "any5/stages/GroupTextStage.h"

#include <algorithm>
#include <bit>

#include "any5/stages/RowScan.h"
#include "any5/stages/TextLines.h"
#include "engine/Selection.h"
#include "toolkit/LineBreaks.h"

namespace any5::stages {
namespace {

int hits(engine::BetMask bet, engine::BetMask line) {
    return engine::countNumbers(bet & line);
}

bool anyLineWith(const LineMasks& lines, engine::BetMask bet, bool (*accept)(int)) {
    for (engine::BetMask line : lines.distinct) {
        if (accept(hits(bet, line))) return true;
    }
    return false;
}

bool isKilledBy(GroupTextStage::Rule rule, int hits) {
    switch (rule) {
        case GroupTextStage::Rule::KillAllFive:
            return hits == 5;
        case GroupTextStage::Rule::KillExactThree:
            return hits == 3;
        case GroupTextStage::Rule::KillFourOrMore:
            return hits >= 4;
        case GroupTextStage::Rule::KeepExactThree:
            break;
    }
    return false;
}

}  // namespace

GroupTextStage::LineHit GroupTextStage::strikingLine(engine::BetMask bet) const {
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty() || showsColonHint(text)) return {};
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        const engine::BetMask held = bet & engine::tokenMask(text.substr(start, end - start));
        if (isKilledBy(m_rule, engine::countNumbers(held))) return {number, held};
        start = end + 2;
    }
    return {};
}

RowSet GroupTextStage::rowsToKill(const engine::CandidateTable& table) const {
    const std::string_view text = toolkit::trimSpaces(m_box.text());
    if (text.empty() || showsColonHint(text)) return {};
    const LineMasks lines = collectLineMasks(text);
    switch (m_rule) {
        case Rule::KillAllFive:
            return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
                return anyLineWith(lines, bet, [](int h) { return h == 5; });
            });
        case Rule::KillExactThree:
            return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
                return anyLineWith(lines, bet, [](int h) { return h == 3; });
            });
        case Rule::KeepExactThree:
            return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
                return !anyLineWith(lines, bet, [](int h) { return h == 3; });
            });
        case Rule::KillFourOrMore:
            return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
                return anyLineWith(lines, bet, [](int h) { return h >= 4; });
            });
    }
    return {};
}

}  // namespace any5::stages
