#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "engine/BetMask.h"
#include "engine/FilterStage.h"
#include "engine/Selection.h"
#include "toolkit/ButtonArray.h"

namespace engine {

// A count row read against something only the run knows, such as the draws
// before it: a bet survives when its measure is one of the green counts. The
// measure is asked for when the run reaches the stage; with none (no draw to
// compare with) the row strikes nothing rather than everything, and the
// window says why.
template <class Table>
class MeasureStage final : public FilterStage<Table> {
public:
    using Measure = std::function<int(BetMask bet)>;
    using MeasureNow = std::function<std::optional<Measure>()>;

    MeasureStage(const toolkit::ButtonArray& counts, MeasureNow measureNow)
        : m_counts(counts), m_measureNow(std::move(measureNow)) {}

    typename Table::RowSet rowsToKill(const Table& table) const override {
        const std::uint64_t allowed = selectedValues(m_counts, toolkit::palette::kGreen);
        if (allowed == 0) return {};
        const std::optional<Measure> measure = m_measureNow();
        if (!measure) return {};
        typename Table::RowSet rows;
        for (int row = 1; row <= Table::kRowCount; ++row) {
            if (((allowed >> (*measure)(table.mask(row))) & 1u) == 0)
                rows.set(static_cast<std::size_t>(row));
        }
        return rows;
    }

private:
    const toolkit::ButtonArray& m_counts;
    MeasureNow m_measureNow;
};

}  // namespace engine
