#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/BetMask.h"
#include "engine/Verdicts.h"

namespace engine {

// A past draw as the back-test reads it: its issue and the rows of the
// edition's table that hold its winning bet (any-5 and front-3: one row; a
// front-3 group: the rows of its orderings). The winner survives when one of
// its rows does, and breaks a condition when all of them do.
struct PastWinner {
    std::string issue;
    std::vector<int> rows;
    BetMask numbers = 0;  // any-5 its five, front-3 its first three
};

struct BacktestCondition {
    std::string name;
    std::string summary;
    int betsBroken = 0;     // of rowCount
    int winnersBroken = 0;  // of the draws
    bool takesPart = true;
    // A count read against past draws breaks a share of the bets that
    // changes from draw to draw: its mean over the draws judged.
    std::optional<double> meanShare;
};

struct BacktestDraw {
    std::string issue;
    // False when the draws before it are too few for a condition read
    // against them (不可回测): it then counts in no figure.
    bool isJudged = true;
    bool survived = false;
    std::vector<int> broken;  // indices into Backtest::conditions, in run order
};

// The current conditions, with their 容错, tried on past draws.
struct Backtest {
    int rowCount = 0;
    int survivorsToday = 0;  // bets (or groups) the result lists now
    // What the result lists: "注" (bets) or "组" (front-3 groups), how many
    // there are in all (462, 990 or 165) and what a kept winner pays (元).
    std::string unit = "注";
    int possibleBets = 0;
    int prize = 0;
    int winnersSurvived = 0;
    int longestStruckRun = 0;  // draws in a row whose winner was struck
    std::vector<BacktestCondition> conditions;
    std::vector<BacktestDraw> draws;  // as given: newest first
    int judgedDraws = 0;
    // Whether a condition is read against past draws; then the first issue
    // missing from the stored ones, if any, for the summary to name.
    bool readsPast = false;
    std::string missingIssue;

    // 杀注比例: the share of all bets the condition breaks.
    double betShare(const BacktestCondition& c) const {
        if (c.meanShare) return *c.meanShare;
        return rowCount == 0 ? 0.0 : static_cast<double>(c.betsBroken) / rowCount;
    }
    // 错杀率: the share of the past winners it broke.
    double winnerShare(const BacktestCondition& c) const {
        return judgedDraws == 0 ? 0.0 : static_cast<double>(c.winnersBroken) / judgedDraws;
    }
    // It struck a larger share of the past winners than of all bets: a bet
    // killed at random would have been the better condition.
    bool isWorseThanChance(const BacktestCondition& c) const {
        return winnerShare(c) > betShare(c);
    }

    // Had the player bought every survivor at each back-tested draw.
    long long cost() const;
    long long winnings() const { return static_cast<long long>(winnersSurvived) * prize; }
    // Draws whose winner as many bets picked at random would have held, on
    // average: the sum over the draws of survivors / possibleBets.
    double chanceKept() const;
    bool isBetterThanChance() const { return winnersSurvived > chanceKept(); }
};

// One verdict run's answers looked up for every draw, newest first; no run per
// draw. `survivors` are survivorsOf(verdicts, tolerance), which the caller
// also counts its own way (groups); survivorsToday is left to it. A count
// read against past draws is judged afresh for each draw, against the draws
// after it in `stored` (every stored draw, newest first, of which the winners
// are the first).
Backtest backtestOf(const Verdicts& verdicts, const Tolerance& tolerance,
                    const Survivors& survivors, const std::vector<PastWinner>& newestFirst,
                    std::span<const BetMask> stored = {});

// The back-test as aligned text: one condition a line with its two shares,
// the winners it broke, whether it takes part in 容错 and whether it was worse
// than chance, then the summary lines:
//   条件    设置    杀注比例  错杀率  错杀期数  参与容错  差于随机
//   杀和值  杀 15       0.2%    1.0%         1  是        是
//   回测 100 期：中奖号保留 97 期，被杀 3 期；最长连续被杀 2 期；当前剩 251 注
//   每期买下全部剩余号码：共花费 50200 元，中奖 52380 元，盈亏 +2180 元
//   随机选同样多注的期望：保留 54.3 期；这些条件好于随机
std::string backtestText(const Backtest& backtest);

// The three summary lines, joined by line ends, without a last one.
std::string backtestSummary(const Backtest& backtest);

// "12.5%": one decimal.
std::string percentText(double share);

}  // namespace engine
