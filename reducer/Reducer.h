#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "reducer/PlayTable.h"
#include "reducer/Survivors.h"
#include "reducer/Ticket.h"

namespace reducer {

// How a reduction is going, told from the solving thread.
struct Progress {
    double elapsedSeconds = 0;
    int bestCount = 0;   // tickets in the best cover so far
    int lowerBound = 0;  // no cover has fewer
};

struct Options {
    // Seconds the search may take; the first cover comes long before.
    double timeLimitSeconds = 3;
    // A request ends the search early with the best cover found: a
    // std::jthread's token, or one from a std::stop_source a window keeps.
    std::stop_token stop;
    // Called on a solving thread (the caller's or a helper's, never two at
    // once) at most five times a second, and at once when a smaller cover
    // turns up; may be empty.
    std::function<void(const Progress&)> onProgress;
};

// The tickets of a reduction: whenever the draw is one of the survivors, at
// least one of them wins.
struct Reduction {
    Play play = Play::Any5;
    std::vector<Ticket> tickets;  // in ticket order
    int lowerBound = 0;
    // Over all survivors, the least and the most the winning tickets pay (元).
    int leastPrize = 0;
    int mostPrize = 0;
    bool wasStopped = false;
    double secondsToFirstCover = 0;
    std::optional<double> secondsToProof;

    int count() const { return static_cast<int>(tickets.size()); }
    bool isProven() const { return count() == lowerBound; }
    int cost() const { return 2 * count(); }  // 元, 2 元 a ticket
    // 保底盈亏: what the tickets surely win less what they cost.
    int guaranteedBalance() const { return leastPrize - cost(); }
    bool paysBack() const { return guaranteedBalance() >= 0; }
};

// A reduction, or one line saying why there is none.
struct ReduceResult {
    std::optional<Reduction> reduction;
    std::string error;
};

// The fewest tickets of `play` such that for every survivor at least one
// wins; proven fewest when the bound meets the count. Bad input (no
// survivors, a play not open to the survivors, a time limit that is not a
// positive number, a survivor that is not a bet of its kind) is an error:
//   empty survivors       => "没有可缩的号码：缩水结果为空"
//   groups, Front2Direct  => "组选结果不能用 前二直选 缩票"
//   timeLimitSeconds 0    => "时间限制必须是正数"
// Runs a second thread for local search beside the exact one; safe to call
// from a worker thread, with other reductions running at the same time.
ReduceResult reduce(const Survivors& survivors, Play play, const Options& options = {});

// The plays worth pointing out among reductions (none where a reduction is
// missing, nor where the tickets may win less than they cost): every one
// tying for the lowest cost, and every one tying for the most least prize per
// 元, compared without division so that ties are exact.
struct PlayMarks {
    std::vector<bool> isCheapest;
    std::vector<bool> paysBest;
};
PlayMarks markPlays(const std::vector<const Reduction*>& reductions);
inline constexpr const char* kCheapestMark = "最低成本";
inline constexpr const char* kPaysBestMark = "保底最划算";
// Said instead of a mark where the least prize is below the cost.
inline constexpr const char* kNoPayBackMark = "保底不回本";

// How the window and the runner say what is known of a count: "已证明最少"
// when no fewer tickets exist, else "下限 96 注（未证明最少）", the proven bound.
inline constexpr const char* kProvenLeast = "已证明最少";
std::string atLeastText(int lowerBound);
std::string proofText(const Reduction& reduction);

// One line for a runner, for example
//   "任选二 10 注 20 元，已证明最少，中奖 6 至 24 元，保底盈亏 -14 元"
//   "任选六 100 注 200 元，下限 96 注（未证明最少），中奖 90 至 180 元，保底盈亏 -110 元，已停止"
std::string summaryLine(const Reduction& reduction);

}  // namespace reducer
