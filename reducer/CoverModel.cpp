#include "reducer/CoverModel.h"

#include <algorithm>
#include <utility>

namespace reducer {

namespace {

using Win = std::pair<Ticket, int>;

// The sets of `size` numbers inside `drawn` (size up to its count) or holding
// it (size above).
void addSetTickets(engine::BetMask drawn, int size, int row, std::vector<Win>& wins) {
    const int held = engine::countNumbers(drawn);
    const auto others = static_cast<engine::BetMask>(~drawn & 0x7FF);
    const auto pool = size <= held ? drawn : others;
    const int wanted = size <= held ? size : size - held;
    for (auto part = pool; part != 0; part = static_cast<engine::BetMask>((part - 1) & pool)) {
        if (engine::countNumbers(part) != wanted) continue;
        const auto ticket = size <= held ? part : static_cast<engine::BetMask>(drawn | part);
        wins.emplace_back(Ticket::ofSet(ticket), row);
    }
}

void addTickets(const Survivors& survivors, int row, Play play, std::vector<Win>& wins) {
    const auto drawn = survivors.numbersOf(static_cast<std::size_t>(row));
    if (!playInfo(play).isOrdered && play != Play::Front2Group) {
        addSetTickets(drawn, playInfo(play).ticketSize, row, wins);
        return;
    }
    const auto& first = survivors.ordered[static_cast<std::size_t>(row)];
    switch (play) {
        case Play::Front1:
            wins.emplace_back(Ticket::ofOrder({first[0]}), row);
            break;
        case Play::Front2Direct:
            wins.emplace_back(Ticket::ofOrder({first[0], first[1]}), row);
            break;
        case Play::Front2Group:
            wins.emplace_back(Ticket::ofSet(static_cast<engine::BetMask>((1u << (first[0] - 1)) |
                                                                         (1u << (first[1] - 1)))),
                              row);
            break;
        default:
            wins.emplace_back(Ticket::ofOrder({first[0], first[1], first[2]}), row);
            break;
    }
}

}  // namespace

CoverModel::CoverModel(const Survivors& survivors, Play play) {
    std::vector<Win> wins;
    for (int row = 0; row < static_cast<int>(survivors.size()); ++row)
        addTickets(survivors, row, play, wins);
    std::sort(wins.begin(), wins.end());
    std::vector<std::vector<int>> columnsOfSurvivor(survivors.size());
    for (const auto& [ticket, survivor] : wins) {
        if (m_tickets.empty() || m_tickets.back() != ticket) m_tickets.push_back(ticket);
        columnsOfSurvivor[static_cast<std::size_t>(survivor)].push_back(columnCount() - 1);
    }
    m_columnsOfRow = columnsOfSurvivor;
    std::sort(m_columnsOfRow.begin(), m_columnsOfRow.end());
    m_columnsOfRow.erase(std::unique(m_columnsOfRow.begin(), m_columnsOfRow.end()),
                         m_columnsOfRow.end());
    for (const auto& columns : columnsOfSurvivor) {
        const auto at = std::lower_bound(m_columnsOfRow.begin(), m_columnsOfRow.end(), columns);
        m_rowOfSurvivor.push_back(static_cast<int>(at - m_columnsOfRow.begin()));
    }
    m_rowsOfColumn.resize(m_tickets.size());
    for (int row = 0; row < rowCount(); ++row) {
        for (int column : m_columnsOfRow[static_cast<std::size_t>(row)])
            m_rowsOfColumn[static_cast<std::size_t>(column)].push_back(row);
    }
}

bool CoverModel::isDominated(int column) const {
    const auto& rows = m_rowsOfColumn[column];
    // Any column holding all of these rows wins for the first one.
    for (int other : m_columnsOfRow[rows.front()]) {
        const auto& others = m_rowsOfColumn[other];
        const bool beats =
            others.size() > rows.size() || (others.size() == rows.size() && other < column);
        if (other != column && beats &&
            std::includes(others.begin(), others.end(), rows.begin(), rows.end()))
            return true;
    }
    return false;
}

std::vector<int> CoverModel::undominatedColumns() const {
    std::vector<int> columns;
    for (int column = 0; column < columnCount(); ++column) {
        if (!isDominated(column)) columns.push_back(column);
    }
    return columns;
}

}  // namespace reducer
