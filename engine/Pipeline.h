#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/FilterStage.h"
#include "engine/RowSets.h"
#include "engine/Verdicts.h"

namespace engine {

// The conditions of an edition in their fixed order. Each slot holds the
// conditions of one stage of the run; a panel that states several conditions
// (five banker groups, three counts) gives a slot several, each its own stage.
// Conditions are installed by slot, so the order of a run never depends on
// the order in which the window was put together.
template <class Table>
class Pipeline {
public:
    using Stage = FilterStage<Table>;

    // One condition as the player sees it: named by its panel's caption, with
    // a short text of its setting ("杀 15 16 17"), empty while the panel is
    // not set. A condition read from a text box, whose text may be megabytes,
    // also gives a cheap key that changes whenever the text may have; the
    // others are keyed by their setting's text.
    struct Condition {
        std::string name;
        std::unique_ptr<Stage> stage;
        std::function<std::string()> describe = [] { return std::string(); };
        std::function<std::string()> changeKey = {};
    };

    explicit Pipeline(std::size_t slotCount) : m_slots(slotCount) {}

    std::size_t slotCount() const { return m_slots.size(); }
    // Makes `stage` the slot's only condition, unnamed.
    void install(std::size_t slot, std::unique_ptr<Stage> stage) {
        slotAt(slot).clear();
        slotAt(slot).push_back({{}, std::move(stage)});
    }
    // Adds a named condition after those already in the slot.
    void add(std::size_t slot, Condition condition) {
        slotAt(slot).push_back(std::move(condition));
    }

    // Applies every stage in slot order to a freshly generated table.
    void apply(Table& table) const {
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                if (!condition.stage) continue;
                const auto rows = condition.stage->rowsToKill(table);
                if (rows.any()) table.killRows(rows);
            }
        }
    }

    // What each condition breaks on `fresh`, a table with every row alive,
    // for the active ones: those whose panel is set or that break a bet.
    Verdicts verdicts(const Table& fresh) const {
        Verdicts verdicts;
        verdicts.rowCount = Table::kRowCount;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                if (!condition.stage) continue;
                ConditionVerdict verdict{condition.name, condition.describe(), {}};
                forEachRow(condition.stage->rowsToKill(fresh),
                           [&](int row) { verdict.breaks.set(static_cast<std::size_t>(row)); });
                if (!verdict.summary.empty() || verdict.breaks.any())
                    verdicts.conditions.push_back(std::move(verdict));
            }
        }
        return verdicts;
    }

    std::vector<std::string> conditionNames() const {
        std::vector<std::string> names;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) names.push_back(condition.name);
        }
        return names;
    }

    // The settings of every condition, cheap to take: when it is unchanged,
    // so are the verdicts.
    std::string fingerprint() const {
        std::string print;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                print += condition.changeKey ? condition.changeKey() : condition.describe();
                print += '\x1e';
            }
        }
        return print;
    }

private:
    std::vector<Condition>& slotAt(std::size_t slot) {
        if (slot >= m_slots.size()) throw std::out_of_range("pipeline slot");
        return m_slots[slot];
    }

    std::vector<std::vector<Condition>> m_slots;
};

}  // namespace engine
