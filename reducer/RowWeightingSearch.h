#pragma once

#include <functional>
#include <random>
#include <vector>

#include "reducer/CoverModel.h"

namespace reducer {

// Local search for small covers by row weighting. It keeps a set of columns
// one short of the best cover and trades one column for another; rows that
// stay open weigh more at every step, so the trades turn to them until the
// set covers again. A column just taken out is not put back until a column
// sharing a row with it changes (configuration checking).
class RowWeightingSearch {
public:
    // `start` is a cover made of `columns`.
    RowWeightingSearch(const CoverModel& model, const std::vector<int>& columns,
                       const std::vector<int>& start);

    // Searches until the best cover holds `target` columns or `shouldStop`
    // answers true. `onProgress` hears the best size at each smaller cover
    // and every few thousand steps between.
    void run(int target, const std::function<bool()>& shouldStop,
             const std::function<void(int)>& onProgress);

    // The smallest cover found, ascending.
    std::vector<int> best() const;

private:
    void add(int column);
    void remove(int column);
    int coveringMember(int row, int other) const;
    int columnToRemove(int tabu) const;
    int columnToAdd(int row) const;
    void weighOpenRows();
    bool isEarlier(int a, int b) const;

    const CoverModel& m_model;
    std::vector<bool> m_isUsable, m_isMember, m_canAdd;
    std::vector<long long> m_score;
    std::vector<long long> m_stamp;
    std::vector<long long> m_weight;
    std::vector<int> m_hits;
    std::vector<int> m_members, m_memberAt;
    std::vector<int> m_open, m_openAt;
    std::vector<int> m_best;
    long long m_step = 0;
    std::mt19937 m_random{5489u};
};

}  // namespace reducer
