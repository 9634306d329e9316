#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "engine/Pipeline.h"
#include "engine/ReportSource.h"
#include "engine/ResultPanel.h"
#include "engine/Verdicts.h"

namespace engine {

// Strikes on a freshly generated table the bets the conditions strike: with
// tolerance 0 to 0 every bet that breaks one, as the stages always have;
// otherwise every bet outside the tolerance.
template <class Table>
void applyConditions(const Pipeline<Table>& pipeline, Table& table, const Tolerance& tolerance) {
    if (tolerance.isPlain()) {
        pipeline.apply(table);
        return;
    }
    const Survivors survivors = survivorsOf(pipeline.verdicts(table), tolerance);
    for (int row = 1; row <= Table::kRowCount; ++row) {
        if (!survivors.rows[static_cast<std::size_t>(row)]) table.kill(row);
    }
}

// The conditions and their 容错 as a key that changes whenever either may
// have: what a published result is compared with.
template <class Table>
std::string conditionsKey(const Pipeline<Table>& pipeline, const Tolerance& tolerance) {
    std::string key = pipeline.fingerprint();
    key += '\x1d' + std::to_string(tolerance.min) + '-' + std::to_string(tolerance.max);
    for (const auto& name : tolerance.hard) key += '\x1f' + name;
    return key;
}

// What the condition report reads of an edition: its pipeline judged on
// `fresh`, a table generated once and never struck, and the tolerance
// selectors of its result column.
template <class Table, class FindBet>
ReportSource reportSource(const Pipeline<Table>& pipeline, const Table& fresh,
                          const ResultPanel& result, FindBet findBet) {
    return {[&pipeline] { return pipeline.fingerprint(); },
            [&pipeline, &fresh] { return pipeline.verdicts(fresh); },
            [&result] {
                return std::pair{result.N_rongcuo_min.value(), result.N_rongcuo_max.value()};
            },
            std::move(findBet),
            [&result] {
                return PublishedResult{result.hasPublished(), static_cast<int>(result.count()),
                                       result.isStale(), result.unit()};
            },
            {},
            [&pipeline, &fresh](const std::string& name, int row) {
                return pipeline.reasonOf(name, fresh, row);
            }};
}

}  // namespace engine
