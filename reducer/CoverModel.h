#pragma once

#include <vector>

#include "reducer/PlayTable.h"
#include "reducer/Survivors.h"
#include "reducer/Ticket.h"

namespace reducer {

// A reduction as set cover. Each column is a ticket of the play that wins for
// at least one survivor; each row is a set of survivors that the same tickets
// win for (the front-3 bets of one group, for 前三组选), listed with the
// columns winning for it. Columns are in ticket order.
class CoverModel {
public:
    CoverModel(const Survivors& survivors, Play play);

    int rowCount() const { return static_cast<int>(m_columnsOfRow.size()); }
    int columnCount() const { return static_cast<int>(m_tickets.size()); }
    const Ticket& ticket(int column) const { return m_tickets[column]; }
    // Both ascending.
    const std::vector<int>& rowsOf(int column) const { return m_rowsOfColumn[column]; }
    const std::vector<int>& columnsOf(int row) const { return m_columnsOfRow[row]; }
    // The row of survivor i.
    int rowOfSurvivor(std::size_t i) const { return m_rowOfSurvivor[i]; }

    // The columns worth buying, ascending: a column whose rows all lie in
    // another's is left out, and of columns with the same rows the first stays.
    std::vector<int> undominatedColumns() const;

private:
    bool isDominated(int column) const;

    std::vector<Ticket> m_tickets;
    std::vector<std::vector<int>> m_rowsOfColumn;
    std::vector<std::vector<int>> m_columnsOfRow;
    std::vector<int> m_rowOfSurvivor;
};

}  // namespace reducer
