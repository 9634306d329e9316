#pragma once

#include <functional>
#include <vector>

#include "reducer/CoverModel.h"

namespace reducer {

// What an exact search may do and whom it tells: `shouldStop` is asked often
// (a stop request or a deadline) and `onProgress` hears the best cover size
// and the proven bound, both called on the searching thread. A cover of
// `knownBound` columns ends the search: a bound proven elsewhere says it is
// the smallest.
struct ExactSearch {
    double secondsLeft = 3;
    int knownBound = 0;
    std::function<bool()> shouldStop = [] { return false; };
    std::function<void(int best, int bound)> onProgress = [](int, int) {};
};

// The smallest cover found, ascending, and the bound the search proved.
struct ExactOutcome {
    std::vector<int> cover;
    int bound = 0;
    bool isOptimal = false;
};

// The fewest of `columns` that cover every row, by branch and cut (COIN-OR
// CBC), starting from the cover `start`. When stopped or out of time it
// returns the best cover it has, never a worse one than `start`.
ExactOutcome solveExactly(const CoverModel& model, const std::vector<int>& columns,
                          const std::vector<int>& start, const ExactSearch& search);

}  // namespace reducer
