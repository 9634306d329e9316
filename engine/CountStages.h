#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "engine/BetMask.h"
#include "engine/FilterStage.h"
#include "engine/Selection.h"
#include "toolkit/ButtonArray.h"

namespace engine {

// Count rows whose green buttons keep: a bet survives when its count is one
// of them. Nothing green strikes nothing.

// The count is a value of the bet's own numbers, such as its AC值.
template <class Table>
class MeasureStage final : public FilterStage<Table> {
public:
    using Measure = int (*)(BetMask bet);

    MeasureStage(const toolkit::ButtonArray& counts, Measure measure)
        : m_counts(counts), m_measure(measure) {}

    typename Table::RowSet rowsToKill(const Table& table) const override {
        const std::uint64_t allowed = selectedValues(m_counts, toolkit::palette::kGreen);
        typename Table::RowSet rows;
        if (allowed == 0) return rows;
        for (int row = 1; row <= Table::kRowCount; ++row) {
            if (((allowed >> m_measure(table.mask(row))) & 1u) == 0)
                rows.set(static_cast<std::size_t>(row));
        }
        return rows;
    }

private:
    const toolkit::ButtonArray& m_counts;
    Measure m_measure;
};

// The count is how many of the bet's numbers lie in a mask asked for when the
// run reaches the stage, such as the previous draw's numbers; with none (no
// draw to compare with) the row strikes nothing rather than everything, and
// the window says why.
template <class Table>
class CountInMaskStage final : public FilterStage<Table> {
public:
    using MaskNow = std::function<std::optional<BetMask>()>;

    CountInMaskStage(const toolkit::ButtonArray& counts, MaskNow maskNow)
        : m_counts(counts), m_maskNow(std::move(maskNow)) {}

    typename Table::RowSet rowsToKill(const Table& table) const override {
        const std::uint64_t allowed = selectedValues(m_counts, toolkit::palette::kGreen);
        typename Table::RowSet rows;
        if (allowed == 0) return rows;
        const std::optional<BetMask> mask = m_maskNow();
        if (!mask) return rows;
        for (int row = 1; row <= Table::kRowCount; ++row) {
            const int count = countNumbers(static_cast<BetMask>(table.mask(row) & *mask));
            if (((allowed >> count) & 1u) == 0) rows.set(static_cast<std::size_t>(row));
        }
        return rows;
    }

private:
    const toolkit::ButtonArray& m_counts;
    MaskNow m_maskNow;
};

}  // namespace engine
