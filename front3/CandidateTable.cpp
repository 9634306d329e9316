#include "front3/CandidateTable.h"

#include <array>
#include <utility>

#include "engine/RowSets.h"

namespace front3 {

void CandidateTable::generate(const std::function<void()>& yieldPerRow) {
    int row = 1;
    for (int a = 1; a <= 11; ++a)
        for (int b = 1; b <= 11; ++b) {
            if (b == a) continue;
            for (int c = 1; c <= 11; ++c) {
                if (c == a || c == b) continue;
                m_cells[row] = {0, a, b, c, 0};
                m_masks[row] = engine::maskOf(std::array{a, b, c});
                ++row;
                if (yieldPerRow) yieldPerRow();
            }
        }
}

void CandidateTable::killRows(const RowSet& rows) {
    engine::forEachRow(rows, [this](int row) { kill(row); });
}

CandidateTable::RowSet CandidateTable::aliveRows() const {
    return engine::aliveRowsOf(*this);
}

void CandidateTable::sortRow(int row) {
    auto& cells = m_cells[row];
    for (int pass = 0; pass < 3; ++pass) {
        if (cells[2] < cells[1]) std::swap(cells[1], cells[2]);
        if (cells[3] < cells[2]) std::swap(cells[2], cells[3]);
    }
}

int CandidateTable::rowOf(int a, int b, int c) {
    const int j = b - 1 - (a < b ? 1 : 0);
    const int k = c - 1 - (a < c ? 1 : 0) - (b < c ? 1 : 0);
    return (a - 1) * 90 + j * 9 + k + 1;
}

}  // namespace front3
