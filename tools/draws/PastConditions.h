#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/ConditionText.h"
#include "engine/CountStages.h"
#include "engine/Pipeline.h"
#include "tools/draws/PastPanel.h"

namespace draws {

// The panel's rows as conditions of a pipeline, in the slot given: each
// keeps the bets whose count is green, read against the reference when the
// run reaches it, and carries its rule for the back-test. Its key changes
// with the reference, so that a verdict or a result read against an older
// one is never taken for current.
template <class Table>
void addPastConditions(engine::Pipeline<Table>& pipeline, std::size_t slot,
                       const PastPanel& panel) {
    using Stage = engine::CountInMaskStage<Table>;
    for (const PastPanel::Row row : PastPanel::kRows) {
        const auto& buttons = panel.row(row);
        auto describe = [&panel, &buttons, row] {
            std::string text = engine::selectedText(buttons, toolkit::palette::kGreen, "出");
            if (text.empty() || row < PastPanel::Row::Hot) return text;
            const engine::HeatRule rule = panel.rule();
            return text + "（近 " + std::to_string(rule.draws) + " 期，热≥" +
                   std::to_string(rule.hot) + "，冷≤" + std::to_string(rule.cold) + "）";
        };
        typename engine::Pipeline<Table>::Condition condition{
            PastPanel::rowName(row),
            std::make_unique<Stage>(buttons, [&panel, row] { return panel.maskNow(row); }),
            describe,
            [&panel, describe] {
                std::string key = describe();
                return key.empty() ? key : key + '#' + std::to_string(panel.revision());
            },
            [&panel, row](const Table& table, int r) {
                const auto mask = panel.maskNow(row);
                const engine::BetMask bet = table.mask(r);
                std::string kind = PastPanel::rowName(row);
                kind.resize(kind.size() - std::string("个数").size());
                return engine::countText(
                    kind,
                    mask ? engine::countNumbers(static_cast<engine::BetMask>(bet & *mask)) : 0);
            },
            [&panel, row] { return panel.pastCount(row); },
            [&panel, row] { return panel.missing(row); }};
        pipeline.add(slot, std::move(condition));
    }
}

}  // namespace draws
