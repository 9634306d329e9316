#include "tools/draws/PastScheme.h"

#include <array>

#include "scheme/ControlState.h"
#include "tools/draws/PastPanel.h"

namespace draws {
namespace {

using Row = PastPanel::Row;

// The scheme's set of each row, in the panel's order.
template <class Scheme>
auto rowValues(Scheme& s) {
    return std::array{&s.repeatCounts, &s.neighbourCounts, &s.isolatedCounts,
                      &s.hotCounts,    &s.warmCounts,      &s.coldCounts};
}

engine::HeatRule startRule(const PastPanel& panel) {
    return panel.kind() == Edition::Kind::Any5 ? engine::kAny5HeatRule : engine::kFront3HeatRule;
}

}  // namespace

const char* pastKey(PastPanel::Row row) {
    switch (row) {
        case Row::Repeat:
            return "repeatCounts";
        case Row::Neighbour:
            return "neighbourCounts";
        case Row::Isolated:
            return "isolatedCounts";
        case Row::Hot:
            return "hotCounts";
        case Row::Warm:
            return "warmCounts";
        case Row::Cold:
            break;
    }
    return "coldCounts";
}

void capturePast(const PastPanel& panel, scheme::Scheme& s) {
    const auto values = rowValues(s);
    for (std::size_t k = 0; k < PastPanel::kRows.size(); ++k)
        *values[k] = scheme::valuesOn(panel.row(PastPanel::kRows[k]), toolkit::palette::kGreen);
    const engine::HeatRule rule = panel.rule();
    s.hotRule = rule == startRule(panel) ? std::nullopt : std::optional(rule);
}

void applyPast(const scheme::Scheme& s, PastPanel& panel) {
    const auto values = rowValues(s);
    for (std::size_t k = 0; k < PastPanel::kRows.size(); ++k)
        scheme::setValuesOn(panel.row(PastPanel::kRows[k]), toolkit::palette::kGreen, *values[k]);
    panel.setRule(s.hotRule.value_or(startRule(panel)));
}

}  // namespace draws
