#pragma once

#include "engine/Publication.h"
#include "front3/CandidateTable.h"

namespace front3 {

// The alive direct bets in row order, numbers in position order as two-digit
// tokens joined by `separator`: the bet 03 11 07 gives "03 11 07".
engine::Publication publishDirect(const CandidateTable& table, char separator);

// The group conversion: each alive row is sorted ascending in the table, and
// each set of three numbers is listed once, where its first surviving
// arrangement stands. With every bet alive: 165 lines, 01 02 03 to 09 10 11.
engine::Publication publishGroups(CandidateTable& table, char separator);

}  // namespace front3
