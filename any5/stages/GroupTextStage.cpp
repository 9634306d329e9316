#include "any5/stages/GroupTextStage.h"

#include <bit>

#include "any5/stages/RowScan.h"
#include "any5/stages/TextLines.h"
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

}  // namespace

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
