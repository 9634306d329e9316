#include "reducer/Reducer.h"

#include <algorithm>
#include <cmath>

#include "engine/Money.h"
#include "reducer/ReductionRun.h"

namespace reducer {

namespace {

bool isBet(const Survivors& survivors, std::size_t i) {
    if (survivors.kind != SurvivorKind::Front3) {
        const auto mask = survivors.sets[i];
        const int wanted = survivors.kind == SurvivorKind::Any5 ? 5 : 3;
        return (mask & ~0x7FF) == 0 && engine::countNumbers(mask) == wanted;
    }
    const auto& bet = survivors.ordered[i];
    const auto inRange = [](int n) { return n >= 1 && n <= 11; };
    return std::all_of(bet.begin(), bet.end(), inRange) && bet[0] != bet[1] && bet[0] != bet[2] &&
           bet[1] != bet[2];
}

std::string inputError(const Survivors& survivors, Play play, const Options& options) {
    if (survivors.size() == 0) return "没有可缩的号码：缩水结果为空";
    if (!isOpenTo(play, survivors.kind))
        return std::string(resultName(survivors.kind)) + "不能用 " +
               std::string(playInfo(play).name) + " 缩票";
    if (!(options.timeLimitSeconds > 0) || !std::isfinite(options.timeLimitSeconds))
        return "时间限制必须是正数";
    const char* numbers = survivors.kind == SurvivorKind::Any5 ? "5" : "3";
    for (std::size_t i = 0; i < survivors.size(); ++i) {
        if (!isBet(survivors, i))
            return "第 " + std::to_string(i + 1) + " 注不是 " + numbers +
                   " 个不同的号码（01 到 11）";
    }
    return {};
}

}  // namespace

ReduceResult reduce(const Survivors& survivors, Play play, const Options& options) {
    if (auto error = inputError(survivors, play, options); !error.empty())
        return {std::nullopt, std::move(error)};
    return {ReductionRun(survivors, play, options).run(), {}};
}

PlayMarks markPlays(const std::vector<const Reduction*>& reductions) {
    const Reduction* cheapest = nullptr;
    const Reduction* paysBest = nullptr;
    const auto paysLess = [](const Reduction& a, const Reduction& b) {
        return static_cast<long long>(a.leastPrize) * b.cost() <
               static_cast<long long>(b.leastPrize) * a.cost();
    };
    for (const Reduction* reduction : reductions) {
        if (reduction == nullptr || !reduction->paysBack()) continue;
        if (cheapest == nullptr || reduction->cost() < cheapest->cost()) cheapest = reduction;
        if (paysBest == nullptr || paysLess(*paysBest, *reduction)) paysBest = reduction;
    }
    PlayMarks marks;
    for (const Reduction* reduction : reductions) {
        const bool isThere = reduction != nullptr && reduction->paysBack();
        marks.isCheapest.push_back(isThere && reduction->cost() == cheapest->cost());
        marks.paysBest.push_back(isThere && !paysLess(*reduction, *paysBest));
    }
    return marks;
}

std::string atLeastText(int lowerBound) {
    return "下限 " + std::to_string(lowerBound) + " 注（未证明最少）";
}

std::string proofText(const Reduction& reduction) {
    return reduction.isProven() ? kProvenLeast : atLeastText(reduction.lowerBound);
}

std::string summaryLine(const Reduction& reduction) {
    const auto& info = playInfo(reduction.play);
    return std::string(info.name) + " " + std::to_string(reduction.count()) + " 注 " +
           std::to_string(reduction.cost()) + " 元，" + proofText(reduction) + "，中奖 " +
           std::to_string(reduction.leastPrize) + " 至 " + std::to_string(reduction.mostPrize) +
           " 元，保底盈亏 " + engine::balanceText(reduction.guaranteedBalance()) +
           (reduction.wasStopped ? "，已停止" : "");
}

}  // namespace reducer
