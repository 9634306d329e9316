#include "reducer/RowWeightingSearch.h"

#include <algorithm>

namespace reducer {

namespace {

template <class T>
std::vector<T> sized(int count, T value = T{}) {
    return std::vector<T>(static_cast<std::size_t>(count), value);
}

}  // namespace

RowWeightingSearch::RowWeightingSearch(const CoverModel& model, const std::vector<int>& columns,
                                       const std::vector<int>& start)
    : m_model(model),
      m_isUsable(sized<bool>(model.columnCount())),
      m_isMember(sized<bool>(model.columnCount())),
      m_canAdd(sized<bool>(model.columnCount(), true)),
      m_score(sized<long long>(model.columnCount())),
      m_stamp(sized<long long>(model.columnCount())),
      m_weight(sized<long long>(model.rowCount(), 1)),
      m_hits(sized<int>(model.rowCount())),
      m_memberAt(sized<int>(model.columnCount(), -1)),
      m_openAt(sized<int>(model.rowCount(), -1)),
      m_best(start) {
    for (int column : columns) m_isUsable[column] = true;
    // Start with everything open, so that adding the cover sets every score.
    for (int row = 0; row < model.rowCount(); ++row) {
        m_openAt[row] = row;
        m_open.push_back(row);
    }
    for (int column : columns)
        m_score[column] = static_cast<long long>(model.rowsOf(column).size());
    for (int column : start) add(column);
}

void RowWeightingSearch::run(int target, const std::function<bool()>& shouldStop,
                             const std::function<void(int)>& onProgress) {
    int tabu = -1;
    while (static_cast<int>(m_best.size()) > target && !shouldStop()) {
        while (m_open.empty()) {
            if (m_members.size() < m_best.size()) {
                m_best = m_members;
                onProgress(static_cast<int>(m_best.size()));
                if (static_cast<int>(m_best.size()) <= target) return;
            }
            remove(columnToRemove(-1));
        }
        if (++m_step % 4096 == 0) onProgress(static_cast<int>(m_best.size()));
        remove(columnToRemove(tabu));
        const int row = m_open[m_random() % m_open.size()];
        tabu = columnToAdd(row);
        add(tabu);
        weighOpenRows();
    }
}

std::vector<int> RowWeightingSearch::best() const {
    auto best = m_best;
    std::sort(best.begin(), best.end());
    return best;
}

void RowWeightingSearch::add(int column) {
    for (int row : m_model.rowsOf(column)) {
        if (m_hits[row] == 0) {
            for (int other : m_model.columnsOf(row)) m_score[other] -= m_weight[row];
            const int last = m_open.back();
            m_open[m_openAt[row]] = last;
            m_openAt[last] = m_openAt[row];
            m_open.pop_back();
            m_openAt[row] = -1;
        } else if (m_hits[row] == 1) {
            m_score[coveringMember(row, column)] += m_weight[row];
        }
        ++m_hits[row];
    }
    m_score[column] = 0;
    for (int row : m_model.rowsOf(column)) {
        if (m_hits[row] == 1) m_score[column] -= m_weight[row];
        for (int other : m_model.columnsOf(row)) m_canAdd[other] = true;
    }
    m_isMember[column] = true;
    m_memberAt[column] = static_cast<int>(m_members.size());
    m_members.push_back(column);
    m_stamp[column] = m_step;
}

void RowWeightingSearch::remove(int column) {
    m_isMember[column] = false;
    const int last = m_members.back();
    m_members[m_memberAt[column]] = last;
    m_memberAt[last] = m_memberAt[column];
    m_members.pop_back();
    m_memberAt[column] = -1;
    m_score[column] = 0;
    for (int row : m_model.rowsOf(column)) {
        --m_hits[row];
        if (m_hits[row] == 0) {
            for (int other : m_model.columnsOf(row)) m_score[other] += m_weight[row];
            m_openAt[row] = static_cast<int>(m_open.size());
            m_open.push_back(row);
        } else if (m_hits[row] == 1) {
            m_score[coveringMember(row, column)] -= m_weight[row];
        }
        for (int other : m_model.columnsOf(row)) m_canAdd[other] = true;
    }
    m_canAdd[column] = false;
    m_stamp[column] = m_step;
}

int RowWeightingSearch::coveringMember(int row, int other) const {
    for (int column : m_model.columnsOf(row)) {
        if (column != other && m_isMember[column]) return column;
    }
    return -1;
}

// The member whose loss weighs least, the longest unchanged of equals.
int RowWeightingSearch::columnToRemove(int tabu) const {
    int chosen = -1;
    for (int column : m_members) {
        if (column == tabu && m_members.size() > 1) continue;
        if (chosen < 0 || m_score[column] > m_score[chosen] ||
            (m_score[column] == m_score[chosen] && isEarlier(column, chosen)))
            chosen = column;
    }
    return chosen;
}

// The usable column for an open row that covers the most open weight.
int RowWeightingSearch::columnToAdd(int row) const {
    int chosen = -1;
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (int column : m_model.columnsOf(row)) {
            if (!m_isUsable[column] || (pass == 0 && !m_canAdd[column])) continue;
            if (chosen < 0 || m_score[column] > m_score[chosen] ||
                (m_score[column] == m_score[chosen] && isEarlier(column, chosen)))
                chosen = column;
        }
    }
    return chosen;
}

void RowWeightingSearch::weighOpenRows() {
    for (int row : m_open) {
        ++m_weight[row];
        for (int column : m_model.columnsOf(row)) ++m_score[column];
    }
}

bool RowWeightingSearch::isEarlier(int a, int b) const {
    return m_stamp[a] < m_stamp[b];
}

}  // namespace reducer
