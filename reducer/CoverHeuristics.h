#pragma once

#include <functional>
#include <vector>

#include "reducer/CoverModel.h"

namespace reducer {

// A cover of every row by some of `columns`, ascending: each step takes the
// column that wins for the most rows still open (the first of equals). Every
// row must have a column among `columns`.
std::vector<int> greedyCover(const CoverModel& model, const std::vector<int>& columns);

// Makes `cover` smaller where it can: drops columns that no row needs, and
// trades two columns for one of `columns` that wins for every row only those
// two win for. Stops when neither helps or `shouldStop` answers true; `cover`
// stays a cover, ascending.
void improveCover(const CoverModel& model, const std::vector<int>& columns, std::vector<int>& cover,
                  const std::function<bool()>& shouldStop);

}  // namespace reducer
