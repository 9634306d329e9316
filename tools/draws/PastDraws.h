#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Backtest.h"
#include "history/Draw.h"
#include "tools/draws/Edition.h"

namespace draws {

// 回测: the edition's conditions as they stand, with their 容错, tried on the
// newest `count` of the stored draws (newest first; all for 0 or less): one
// verdict run, then a lookup per draw. A condition read against past draws
// reads, for each draw, the stored draws before it; the first issue missing
// from the stored ones is named.
engine::Backtest backtestOf(const Edition& edition, const std::vector<history::Draw>& newestFirst,
                            int count = 0);

// The first issue missing between the stored draws ("2026120917"), or "".
std::string missingIssueOf(const std::vector<history::Draw>& newestFirst);

// How many of the draws the published result holds the winner of, as
// 对奖 finds it: "过去 100 期，中奖号落在缩水结果里 3 期"; empty without draws
// or a result.
std::string resultRecord(const Edition& edition, const std::vector<history::Draw>& draws);

// 对奖: a draw against the published result, as lines to show.
std::string checkText(const Edition& edition, const std::array<int, 5>& draw);

// A draw as the player types it, numbers in drawing order: five, or for
// front-3 also the first three alone (the last two are then 0). Either the
// numbers, or a one-line message in `error`.
std::array<int, 5> readTypedDraw(const Edition& edition, std::string_view text, std::string& error);

}  // namespace draws
