#include "engine/Backtest.h"

#include <algorithm>
#include <cstdio>

#include "engine/Money.h"
#include "engine/ReportText.h"

namespace engine {

Backtest backtestOf(const Verdicts& verdicts, const Tolerance& tolerance,
                    const Survivors& survivors, const std::vector<PastWinner>& newestFirst) {
    Backtest backtest;
    backtest.rowCount = verdicts.rowCount;
    for (const auto& verdict : verdicts.conditions) {
        backtest.conditions.push_back({verdict.name, verdict.summary,
                                       static_cast<int>(verdict.breaks.count()), 0,
                                       !tolerance.hard.contains(verdict.name)});
    }

    backtest.draws.reserve(newestFirst.size());
    int struckRun = 0;
    // Oldest first, so that a run of struck draws is counted in time order.
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        BacktestDraw record{draw->issue, false, {}};
        for (const int row : draw->rows) {
            if (survivors.rows[static_cast<std::size_t>(row)]) record.survived = true;
        }
        for (std::size_t c = 0; c < verdicts.conditions.size(); ++c) {
            const RowBits& breaks = verdicts.conditions[c].breaks;
            const bool isBroken =
                !draw->rows.empty() &&
                std::all_of(draw->rows.begin(), draw->rows.end(),
                            [&breaks](int row) { return breaks[static_cast<std::size_t>(row)]; });
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
    std::reverse(backtest.draws.begin(), backtest.draws.end());
    return backtest;
}

std::string percentText(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
    return text;
}

long long Backtest::cost() const {
    return static_cast<long long>(draws.size()) * survivorsToday * kYuanPerBet;
}

double Backtest::chanceKept() const {
    return possibleBets == 0 ? 0.0
                             : static_cast<double>(draws.size()) * survivorsToday / possibleBets;
}

std::string backtestSummary(const Backtest& backtest) {
    const int drawCount = static_cast<int>(backtest.draws.size());
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
           (backtest.isBetterThanChance() ? "好于随机" : "不好于随机");
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
