#include "engine/CandidateTable.h"

#include <array>

#include "engine/RowSets.h"

namespace engine {

void CandidateTable::generate(const std::function<void()>& yieldPerRow) {
    int row = 1;
    for (int a = 1; a <= 11; ++a)
        for (int b = a + 1; b <= 11; ++b)
            for (int c = b + 1; c <= 11; ++c)
                for (int d = c + 1; d <= 11; ++d)
                    for (int e = d + 1; e <= 11; ++e) {
                        m_cells[row] = {0, a, b, c, d, e, 0};
                        m_masks[row] = maskOf(std::array{a, b, c, d, e});
                        ++row;
                        if (yieldPerRow) yieldPerRow();
                    }
}

void CandidateTable::killRows(const RowSet& rows) {
    engine::forEachRow(rows, [this](int row) { kill(row); });
}

CandidateTable::RowSet CandidateTable::aliveRows() const {
    return engine::aliveRowsOf(*this);
}

int CandidateTable::rowOf(BetMask mask) {
    static const auto rows = [] {
        std::array<std::int16_t, 1u << 11> rows{};
        CandidateTable table;
        table.generate();
        for (int row = 1; row <= kRowCount; ++row)
            rows[table.mask(row)] = static_cast<std::int16_t>(row);
        return rows;
    }();
    return mask < rows.size() ? rows[mask] : 0;
}

}  // namespace engine
