#pragma once

#include "reducer/CoverModel.h"
#include "reducer/Survivors.h"

namespace reducer {

// Proven lower bounds on the number of tickets a cover needs.

// Every row needs a ticket, and a ticket winning for row r wins for at most
// w(r) rows, the most any ticket winning for r does; so a cover holds at
// least the sum over rows of 1 / w(r), rounded up. Never below
// ceil(rows / most rows one ticket wins for).
int countingBound(const CoverModel& model);

// Schönheim's bound on covering designs C(v, k, t), the fewest k-sets of v
// points holding every t-set: ceil(v / k * C(v - 1, k - 1, t - 1)), and 1 for
// t = 0. Examples: C(11, 9, 6) >= 10, C(11, 6, 5) >= 92, C(11, 9, 8) >= 25.
int schonheimBound(int v, int k, int t);

// For survivors holding every set of their size (all 462 any-5 bets, all 165
// groups, or front-3 bets covering all 165 groups) and a play that is decided
// by that set, the covering-design bound: the least cover known where it is
// known (任选二 10, 任选四 84, 任选八 16; 任选二 of the front 3, 25), else the
// best bound known (任选三 28, 任选六 96, 任选七 30) or Schönheim's; 0 where
// none applies.
int fullSetBound(const Survivors& survivors, Play play);

}  // namespace reducer
