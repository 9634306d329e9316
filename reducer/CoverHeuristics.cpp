#include "reducer/CoverHeuristics.h"

#include <algorithm>
#include <cassert>

namespace reducer {

namespace {

// A cover with, per row, how many of its columns win for the row.
class CoverState {
public:
    CoverState(const CoverModel& model, const std::vector<int>& columns, std::vector<int> cover)
        : m_model(model),
          m_cover(std::move(cover)),
          m_hits(static_cast<std::size_t>(model.rowCount())),
          m_isUsable(static_cast<std::size_t>(model.columnCount())),
          m_stamps(static_cast<std::size_t>(model.rowCount())) {
        for (int column : columns) m_isUsable[column] = true;
        for (int column : m_cover) add(column, +1);
    }

    std::vector<int> cover() && {
        std::sort(m_cover.begin(), m_cover.end());
        return std::move(m_cover);
    }

    // Drops, smallest first, every column whose rows all have another column.
    bool dropRedundant() {
        std::stable_sort(m_cover.begin(), m_cover.end(), [this](int a, int b) {
            return m_model.rowsOf(a).size() < m_model.rowsOf(b).size();
        });
        const auto before = m_cover.size();
        std::erase_if(m_cover, [this](int column) {
            const auto& rows = m_model.rowsOf(column);
            const bool isNeeded =
                std::any_of(rows.begin(), rows.end(), [this](int row) { return m_hits[row] == 1; });
            if (!isNeeded) add(column, -1);
            return !isNeeded;
        });
        return m_cover.size() < before;
    }

    bool tradeTwoForOne() {
        for (std::size_t i = 0; i < m_cover.size(); ++i) {
            for (std::size_t j = i + 1; j < m_cover.size(); ++j) {
                const int replacement = replacementFor(m_cover[i], m_cover[j]);
                if (replacement < 0) continue;
                add(m_cover[i], -1);
                add(m_cover[j], -1);
                add(replacement, +1);
                m_cover[i] = replacement;
                m_cover.erase(m_cover.begin() + static_cast<std::ptrdiff_t>(j));
                return true;
            }
        }
        return false;
    }

private:
    void add(int column, int step) {
        for (int row : m_model.rowsOf(column)) m_hits[row] += step;
    }

    // A usable column winning for every row that only `a` and `b` win for, or -1.
    int replacementFor(int a, int b) {
        ++m_stamp;
        for (int row : m_model.rowsOf(b)) m_stamps[row] = m_stamp;
        m_needed.clear();
        for (int row : m_model.rowsOf(a)) {
            if (m_hits[row] == 1 + (m_stamps[row] == m_stamp ? 1 : 0)) m_needed.push_back(row);
        }
        for (int row : m_model.rowsOf(b)) {
            if (m_hits[row] == 1) m_needed.push_back(row);
        }
        if (m_needed.empty()) return -1;
        std::sort(m_needed.begin(), m_needed.end());
        for (int column : m_model.columnsOf(m_needed.front())) {
            const auto& rows = m_model.rowsOf(column);
            if (m_isUsable[column] && column != a && column != b &&
                std::includes(rows.begin(), rows.end(), m_needed.begin(), m_needed.end()))
                return column;
        }
        return -1;
    }

    const CoverModel& m_model;
    std::vector<int> m_cover;
    std::vector<int> m_hits;
    std::vector<bool> m_isUsable;
    std::vector<unsigned> m_stamps;
    unsigned m_stamp = 0;
    std::vector<int> m_needed;
};

}  // namespace

std::vector<int> greedyCover(const CoverModel& model, const std::vector<int>& columns) {
    std::vector<int> open(static_cast<std::size_t>(model.columnCount()));
    for (int column = 0; column < model.columnCount(); ++column)
        open[column] = static_cast<int>(model.rowsOf(column).size());
    std::vector<bool> isCovered(static_cast<std::size_t>(model.rowCount()));
    int rowsLeft = model.rowCount();
    std::vector<int> cover;
    while (rowsLeft > 0) {
        const int best = *std::max_element(columns.begin(), columns.end(),
                                           [&open](int a, int b) { return open[a] < open[b]; });
        assert(open[best] > 0 && "every row needs a column");
        cover.push_back(best);
        for (int row : model.rowsOf(best)) {
            if (isCovered[row]) continue;
            isCovered[row] = true;
            --rowsLeft;
            for (int column : model.columnsOf(row)) --open[column];
        }
    }
    std::sort(cover.begin(), cover.end());
    return cover;
}

void improveCover(const CoverModel& model, const std::vector<int>& columns, std::vector<int>& cover,
                  const std::function<bool()>& shouldStop) {
    CoverState state(model, columns, std::move(cover));
    state.dropRedundant();
    while (!shouldStop() && state.tradeTwoForOne()) state.dropRedundant();
    cover = std::move(state).cover();
}

}  // namespace reducer
