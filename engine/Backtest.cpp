#include "engine/Backtest.h"

#include <algorithm>
#include <cstdio>

#include "engine/Money.h"
#include "engine/ReportText.h"

namespace engine {

namespace {

// Whether one of the winner's rows survives the 容错 when the counts read
// against past draws break what `past` says.
bool survivesWith(const Verdicts& verdicts, const Tolerance& tolerance, const PastWinner& winner,
                  const std::vector<char>& past) {
    for (const int row : winner.rows) {
        int count = 0;
        bool isStruckHard = false;
        for (std::size_t c = 0; c < verdicts.conditions.size(); ++c) {
            const auto& condition = verdicts.conditions[c];
            const bool isBroken =
                condition.past ? past[c] != 0 : condition.breaks[static_cast<std::size_t>(row)];
            if (!isBroken) continue;
            if (tolerance.hard.contains(condition.name)) {
                isStruckHard = true;
            } else {
                ++count;
            }
        }
        if (!isStruckHard && count >= tolerance.min && count <= tolerance.max) return true;
    }
    return false;
}

}  // namespace

Backtest backtestOf(const Verdicts& verdicts, const Tolerance& tolerance,
                    const Survivors& survivors, const std::vector<PastWinner>& newestFirst,
                    std::span<const BetMask> stored) {
    Backtest backtest;
    backtest.rowCount = verdicts.rowCount;
    for (const auto& verdict : verdicts.conditions) {
        backtest.conditions.push_back({verdict.name,
                                       verdict.summary,
                                       static_cast<int>(verdict.breaks.count()),
                                       0,
                                       !tolerance.hard.contains(verdict.name),
                                       {}});
        if (verdict.past) {
            backtest.readsPast = true;
            backtest.conditions.back().meanShare = 0.0;
        }
    }

    backtest.draws.reserve(newestFirst.size());
    int struckRun = 0;
    std::vector<char> pastBroken(verdicts.conditions.size(), 0);
    std::vector<std::optional<BetMask>> masks(verdicts.conditions.size());
    // Oldest first, so that a run of struck draws is counted in time order.
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        BacktestDraw record{draw->issue, true, false, {}};
        if (backtest.readsPast) {
            const auto at = static_cast<std::size_t>(newestFirst.rend() - draw - 1);
            const auto before = at < stored.size() ? stored.subspan(at + 1) : stored.last(0);
            for (std::size_t c = 0; c < verdicts.conditions.size() && record.isJudged; ++c) {
                if (const auto& past = verdicts.conditions[c].past) {
                    masks[c] = past->maskOf(before);
                    record.isJudged = masks[c].has_value();
                }
            }
            if (!record.isJudged) {
                backtest.draws.push_back(std::move(record));
                continue;
            }
            for (std::size_t c = 0; c < verdicts.conditions.size(); ++c) {
                const auto& past = verdicts.conditions[c].past;
                if (!past) continue;
                pastBroken[c] = past->keeps(draw->numbers, *masks[c]) ? 0 : 1;
                *backtest.conditions[c].meanShare += past->shareBroken(countNumbers(*masks[c]));
            }
            record.survived = survivesWith(verdicts, tolerance, *draw, pastBroken);
        } else {
            for (const int row : draw->rows) {
                if (survivors.rows[static_cast<std::size_t>(row)]) record.survived = true;
            }
        }
        ++backtest.judgedDraws;
        for (std::size_t c = 0; c < verdicts.conditions.size(); ++c) {
            const auto& condition = verdicts.conditions[c];
            const RowBits& breaks = condition.breaks;
            const bool isBroken =
                condition.past
                    ? pastBroken[c] != 0
                    : !draw->rows.empty() &&
                          std::all_of(draw->rows.begin(), draw->rows.end(), [&breaks](int row) {
                              return breaks[static_cast<std::size_t>(row)];
                          });
            if (!isBroken) continue;
            record.broken.push_back(static_cast<int>(c));
            ++backtest.conditions[c].winnersBroken;
        }
        if (record.survived) {
            ++backtest.winnersSurvived;
            struckRun = 0;
        } else {
            backtest.longestStruckRun = std::max(backtest.longestStruckRun, ++struckRun);
        }
        backtest.draws.push_back(std::move(record));
    }
    for (auto& condition : backtest.conditions) {
        if (condition.meanShare && backtest.judgedDraws > 0)
            *condition.meanShare /= backtest.judgedDraws;
    }
    std::reverse(backtest.draws.begin(), backtest.draws.end());
    return backtest;
}

std::string percentText(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
    return text;
}

long long Backtest::cost() const {
    return static_cast<long long>(judgedDraws) * survivorsToday * kYuanPerBet;
}

double Backtest::chanceKept() const {
    return possibleBets == 0 ? 0.0
                             : static_cast<double>(judgedDraws) * survivorsToday / possibleBets;
}

namespace {

// What a back-test of counts read against past draws leaves out.
std::string pastNotes(const Backtest& backtest) {
    std::string notes;
    const int unjudged = static_cast<int>(backtest.draws.size()) - backtest.judgedDraws;
    if (unjudged > 0) notes += "\n前 " + std::to_string(unjudged) + " 期开奖历史不足，未计入";
    if (backtest.readsPast && !backtest.missingIssue.empty())
        notes +=
            "\n开奖历史缺少 " + backtest.missingIssue + " 期：它后面一期的上期不是真正的上一期";
    return notes;
}

}  // namespace

std::string backtestSummary(const Backtest& backtest) {
    const int drawCount = backtest.judgedDraws;
    char chance[32];
    std::snprintf(chance, sizeof chance, "%.1f", backtest.chanceKept());
    return "回测 " + std::to_string(drawCount) + " 期：中奖号保留 " +
           std::to_string(backtest.winnersSurvived) + " 期，被杀 " +
           std::to_string(drawCount - backtest.winnersSurvived) + " 期；最长连续被杀 " +
           std::to_string(backtest.longestStruckRun) + " 期；当前剩 " +
           std::to_string(backtest.survivorsToday) + " " + backtest.unit +
           "\n每期买下全部剩余号码：共花费 " + std::to_string(backtest.cost()) + " 元，中奖 " +
           std::to_string(backtest.winnings()) + " 元，盈亏 " +
           balanceText(backtest.winnings() - backtest.cost()) + "\n随机选同样多" + backtest.unit +
           "的期望：保留 " + chance + " 期；这些条件" +
           (backtest.isBetterThanChance() ? "好于随机" : "不好于随机") + pastNotes(backtest);
}

std::string backtestText(const Backtest& backtest) {
    std::vector<std::vector<std::string>> lines = {
        {"条件", "设置", "杀注比例", "错杀率", "错杀期数", "参与容错", "差于随机"}};
    for (const auto& condition : backtest.conditions) {
        lines.push_back({condition.name, condition.summary,
                         percentText(backtest.betShare(condition)),
                         percentText(backtest.winnerShare(condition)),
                         std::to_string(condition.winnersBroken), condition.takesPart ? "是" : "否",
                         backtest.isWorseThanChance(condition) ? "是" : "否"});
    }
    return alignedText(lines, {false, false, true, true, true, false, false}) +
           backtestSummary(backtest) + "\n";
}

}  // namespace engine
