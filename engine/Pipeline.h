#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/FilterStage.h"
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
    // others are keyed by their setting's text. `explain` says why a bet of
    // the table breaks the condition, by the bet's own value for it ("和值
    // 19"); it is asked only of bets that do. A count read against past
    // draws also gives its rule, for the back-test, and why it cannot be
    // applied now, if it cannot.
    struct Condition {
        std::string name;
        std::unique_ptr<Stage> stage;
        std::function<std::string()> describe = [] { return std::string(); };
        std::function<std::string()> changeKey = {};
        std::function<std::string(const Table&, int row)> explain = {};
        std::function<PastCount()> past = {};
        std::function<std::string()> missing = {};
    };

    explicit Pipeline(std::size_t slotCount) : m_slots(slotCount) {}

    std::size_t slotCount() const { return m_slots.size(); }
    // Makes `stage` the slot's only condition, unnamed.
    void install(std::size_t slot, std::unique_ptr<Stage> stage) {
        m_judged.clear();
        slotAt(slot).clear();
        slotAt(slot).push_back({{}, std::move(stage)});
    }
    // Adds a named condition after those already in the slot.
    void add(std::size_t slot, Condition condition) {
        m_judged.clear();
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
    // for the active ones: those whose panel is set or that break a bet. A
    // condition whose key is unchanged since it was last judged is not judged
    // again: every fresh table is the same, and its verdict depends on its own
    // setting only. So a run after one click judges one condition.
    Verdicts verdicts(const Table& fresh) const {
        Verdicts verdicts;
        verdicts.rowCount = Table::kRowCount;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                if (!condition.stage) continue;
                const Judged& judged = judge(condition, fresh);
                if (!judged.verdict.summary.empty() || judged.verdict.breaks.any())
                    verdicts.conditions.push_back(judged.verdict);
            }
        }
        return verdicts;
    }

    // Each condition's name and the text of its setting ("" while not set).
    std::vector<std::pair<std::string, std::string>> settings() const {
        std::vector<std::pair<std::string, std::string>> all;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                if (!condition.name.empty()) all.emplace_back(condition.name, condition.describe());
            }
        }
        return all;
    }

    std::vector<std::string> conditionNames() const {
        std::vector<std::string> names;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) names.push_back(condition.name);
        }
        return names;
    }

    // Why `row` of `fresh`, a table with every row alive, breaks the named
    // condition; empty when no condition of that name can say.
    std::string reasonOf(const std::string& name, const Table& fresh, int row) const {
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                if (condition.name == name && condition.explain)
                    return condition.explain(fresh, row);
            }
        }
        return {};
    }

    // The settings of every condition, cheap to take: when it is unchanged,
    // so are the verdicts.
    std::string fingerprint() const {
        std::string print;
        for (const auto& slot : m_slots) {
            for (const auto& condition : slot) {
                print += keyOf(condition);
                print += '\x1e';
            }
        }
        return print;
    }

private:
    // A condition's last verdict and the key it was judged under; forgotten
    // whenever a condition is added, which may move the others.
    struct Judged {
        std::string key;
        ConditionVerdict verdict;
        bool isKnown = false;
    };

    static std::string keyOf(const Condition& condition) {
        return condition.changeKey ? condition.changeKey() : condition.describe();
    }

    const Judged& judge(const Condition& condition, const Table& fresh) const {
        Judged& judged = m_judged[&condition];
        std::string key = keyOf(condition);
        // An unnamed stage has no text of its setting to key it by.
        if (judged.isKnown && judged.key == key && !condition.name.empty()) return judged;
        judged.verdict = {condition.name,
                          condition.describe(),
                          toRowBits(condition.stage->rowsToKill(fresh)),
                          nullptr,
                          {}};
        if (condition.past) judged.verdict.past = std::make_shared<PastCount>(condition.past());
        if (condition.missing) judged.verdict.missing = condition.missing();
        judged.key = std::move(key);
        judged.isKnown = true;
        return judged;
    }

    std::vector<Condition>& slotAt(std::size_t slot) {
        if (slot >= m_slots.size()) throw std::out_of_range("pipeline slot");
        return m_slots[slot];
    }

    std::vector<std::vector<Condition>> m_slots;
    mutable std::map<const Condition*, Judged> m_judged;
};

}  // namespace engine
