#include "tools/draws/PastDraws.h"

#include <algorithm>

#include "engine/Money.h"
#include "engine/PrizeCheck.h"
#include "engine/TypedBet.h"
#include "history/IssueNumbers.h"
#include "tools/draws/Reference.h"

namespace draws {

std::string missingIssueOf(const std::vector<history::Draw>& newestFirst) {
    std::vector<std::string> oldestFirst;
    oldestFirst.reserve(newestFirst.size());
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw)
        oldestFirst.push_back(draw->issue);
    return history::firstMissingIssue(oldestFirst);
}

engine::Backtest backtestOf(const Edition& edition, const std::vector<history::Draw>& newestFirst,
                            int count) {
    const std::size_t tested = count > 0
                                   ? std::min(newestFirst.size(), static_cast<std::size_t>(count))
                                   : newestFirst.size();
    std::vector<engine::PastWinner> winners;
    winners.reserve(tested);
    for (std::size_t d = 0; d < tested; ++d) {
        const auto& draw = newestFirst[d];
        winners.push_back(
            {draw.issue, edition.winnerRows(draw.numbers), drawMask(edition.kind, draw.numbers)});
    }
    const engine::Verdicts verdicts = edition.verdicts();
    const engine::Tolerance tolerance = edition.tolerance();
    const engine::Survivors survivors = engine::survivorsOf(verdicts, tolerance);
    const bool readsPast =
        std::any_of(verdicts.conditions.begin(), verdicts.conditions.end(),
                    [](const auto& condition) { return condition.past != nullptr; });
    std::vector<engine::BetMask> stored;
    if (readsPast) {
        stored.reserve(newestFirst.size());
        for (const auto& draw : newestFirst) stored.push_back(drawMask(edition.kind, draw.numbers));
    }
    engine::Backtest backtest = engine::backtestOf(verdicts, tolerance, survivors, winners, stored);
    if (readsPast) backtest.missingIssue = missingIssueOf(newestFirst);
    backtest.survivorsToday = edition.countSurvivors(survivors.rows);
    if (edition.kind == Edition::Kind::Any5) {
        backtest.possibleBets = engine::kAny5Bets;
        backtest.prize = engine::kAny5Prize;
    } else if (edition.isGrouped()) {
        backtest.unit = "组";
        backtest.possibleBets = engine::kFront3Groups;
        backtest.prize = engine::kFront3GroupPrize;
    } else {
        backtest.possibleBets = engine::kFront3Bets;
        backtest.prize = engine::kFront3DirectPrize;
    }
    return backtest;
}

std::string resultRecord(const Edition& edition, const std::vector<history::Draw>& draws) {
    const std::string result = edition.resultText();
    if (draws.empty() || result.empty()) return {};
    const bool isAny5 = edition.kind == Edition::Kind::Any5;
    const bool isGrouped = !isAny5 && edition.isGrouped();
    const auto bets = engine::betsOfText(result, isAny5 ? 5 : 3);
    int held = 0;
    for (const auto& draw : draws) {
        if (isAny5) {
            held += engine::checkAny5(bets, draw.numbers).sharing[5] > 0 ? 1 : 0;
        } else {
            const auto check = engine::checkFront3(bets, draw.numbers, isGrouped);
            held += (isGrouped ? check.groupHit : check.directHit) ? 1 : 0;
        }
    }
    return "过去 " + std::to_string(draws.size()) + " 期，中奖号落在缩水结果里 " +
           std::to_string(held) + " 期";
}

std::string checkText(const Edition& edition, const std::array<int, 5>& draw) {
    if (edition.resultText().empty()) return "还没有缩水结果：请先按【开始缩水】\n";
    if (edition.kind == Edition::Kind::Any5)
        return engine::any5CheckText(
            engine::checkAny5(engine::betsOfText(edition.resultText(), 5), draw));
    const bool isGrouped = edition.isGrouped();
    return engine::front3CheckText(
        engine::checkFront3(engine::betsOfText(edition.resultText(), 3), draw, isGrouped),
        isGrouped);
}

std::array<int, 5> readTypedDraw(const Edition& edition, std::string_view text,
                                 std::string& error) {
    engine::TypedBet typed = engine::readTypedBet(text, 5);
    if (!typed.ok() && edition.kind == Edition::Kind::Front3) {
        engine::TypedBet firstThree = engine::readTypedBet(text, 3);
        if (firstThree.ok()) typed = std::move(firstThree);
    }
    std::array<int, 5> draw{};
    if (!typed.ok()) {
        error = "不是一期开奖号：" + typed.error;
        return draw;
    }
    for (std::size_t k = 0; k < typed.numbers.size(); ++k) draw[k] = typed.numbers[k];
    return draw;
}

}  // namespace draws
