#pragma once

#include "engine/BetMask.h"
#include "engine/FilterStage.h"
#include "engine/Selection.h"
#include "toolkit/ButtonArray.h"

namespace engine {

// The 55 pair buttons of either edition: a pair is what its caption says
// ("01\r\n02"), and a bet holds it when it holds both numbers, at any place.
// Kill pages strike the bets holding a selected pair; keep pages strike the
// bets holding none.
template <class Table>
class PairStage : public FilterStage<Table> {
public:
    PairStage(const toolkit::ButtonArray& buttons, toolkit::Rgb selected, bool keep)
        : m_buttons(buttons), m_selected(selected), m_keep(keep) {}

    typename Table::RowSet rowsToKill(const Table& table) const override {
        BetMask pairs[55] = {};
        std::size_t count = 0;
        for (std::size_t i = 0; i < m_buttons.size() && count < 55; ++i) {
            if (m_buttons[i].backColour() == m_selected)
                pairs[count++] = tokenMask(m_buttons[i].caption());
        }
        typename Table::RowSet rows;
        if (count == 0) return rows;
        for (int row = 1; row <= Table::kRowCount; ++row) {
            if (table.isKilled(row)) continue;
            const BetMask bet = table.mask(row);
            bool holdsOne = false;
            for (std::size_t p = 0; p < count && !holdsOne; ++p)
                holdsOne = countNumbers(bet & pairs[p]) == 2;
            if (holdsOne != m_keep) rows.set(row);
        }
        return rows;
    }

private:
    const toolkit::ButtonArray& m_buttons;
    toolkit::Rgb m_selected;
    bool m_keep;
};

}  // namespace engine
