#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "engine/Captions.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "history/Draw.h"
#include "tests/support/RandomSchemes.h"
#include "tests/support/StageFromFunction.h"
#include "toolkit/HeadlessHost.h"
#include "tools/draws/PastDraws.h"
#include "tools/draws/PastPanel.h"

namespace {

// How the window lists the bets a past draw is held against.
enum class Listing { Any5, Front3Direct, Front3Groups };

std::string betLine(const std::vector<int>& numbers, char separator) {
    std::string line;
    for (const int n : numbers) {
        if (!line.empty()) line += separator;
        line += (n < 10 ? "0" : "") + std::to_string(n);
    }
    return line;
}

// The draw's winning bet as a line of the result: any-5 its five numbers
// ascending, front-3 its first three in drawing order, a group those three
// ascending.
std::string winnerLine(Listing listing, const std::array<int, 5>& draw, char separator) {
    std::vector<int> numbers(draw.begin(), draw.begin() + (listing == Listing::Any5 ? 5 : 3));
    if (listing != Listing::Front3Direct) std::sort(numbers.begin(), numbers.end());
    return betLine(numbers, separator);
}

// What a player types into 查注 for the draw's winner: the bet itself, or for
// a group each ordering of its three numbers.
std::vector<std::string> typedWinners(Listing listing, const std::array<int, 5>& draw) {
    if (listing == Listing::Any5) return {betLine({draw.begin(), draw.end()}, ' ')};
    std::vector<int> three(draw.begin(), draw.begin() + 3);
    if (listing == Listing::Front3Direct) return {betLine(three, ' ')};
    std::sort(three.begin(), three.end());
    std::vector<std::string> orderings;
    do orderings.push_back(betLine(three, ' '));
    while (std::next_permutation(three.begin(), three.end()));
    return orderings;
}

// The conditions that every one of the typed bets breaks, by 查注, in run
// order.
std::vector<std::string> brokenByEvery(report::ReportForm& report,
                                       const std::vector<std::string>& typed) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        std::string error;
        const auto broken = report.conditionsBrokenBy(typed[i], error);
        EXPECT_EQ(error, "") << typed[i];
        if (i == 0) {
            names = broken;
            continue;
        }
        std::erase_if(names, [&broken](const std::string& name) {
            return std::find(broken.begin(), broken.end(), name) == broken.end();
        });
    }
    return names;
}

// 容错 as players set it: now and then the plain run, otherwise a range, with
// some conditions kept out of it.
engine::Tolerance randomTolerance(std::mt19937& random, const std::vector<std::string>& names) {
    static constexpr std::array<std::pair<int, int>, 6> kRanges{
        {{0, 0}, {0, 1}, {1, 2}, {1, 1}, {0, 2}, {2, 3}}};
    const auto [min, max] = kRanges[random() % kRanges.size()];
    engine::Tolerance tolerance{min, max, {}};
    if (random() % 2 == 0) return tolerance;
    for (const auto& name : names) {
        if (random() % 4 == 0) tolerance.hard.insert(name);
    }
    return tolerance;
}

// Sixty draws, newest first. Most are random; every third is made from a
// listed bet, its numbers in a random drawing order, so that a fair share of
// winners survive even strict schemes.
std::vector<history::Draw> randomDraws(std::mt19937& random, Listing listing,
                                       const std::vector<std::string>& listed) {
    std::vector<history::Draw> draws;
    for (int i = 0; i < 60; ++i) {
        std::vector<int> numbers;
        if (i % 3 == 0 && !listed.empty()) {
            const std::string& line = listed[random() % listed.size()];
            for (std::size_t at = 0; at < line.size(); at += 3)
                numbers.push_back(std::stoi(line.substr(at, 2)));
            if (listing != Listing::Front3Direct)
                std::shuffle(numbers.begin(), numbers.end(), random);
        }
        std::vector<int> rest(11);
        std::iota(rest.begin(), rest.end(), 1);
        std::shuffle(rest.begin(), rest.end(), random);
        for (const int n : rest) {
            if (numbers.size() == 5) break;
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) numbers.push_back(n);
        }
        history::Draw draw{std::to_string(26120860 - i), {}};
        std::copy(numbers.begin(), numbers.end(), draw.numbers.begin());
        EXPECT_TRUE(history::hasValidNumbers(draw));
        draws.push_back(draw);
    }
    return draws;
}

void publish(any5::MainForm& form, Listing) {
    form.result.C_guolv_ks.press();
}
void publish(front3::MainForm& form, Listing listing) {
    if (listing == Listing::Front3Groups) return form.C_guolv_zhuan_zuxuan.press();
    form.result.C_guolv_ks.press();
}

// The back-test checked against a plain run per scheme and a lookup per draw:
// whether the draw's winner is in the published result, the conditions 查注
// finds it breaking, and the totals counted from those, oldest draw first.
template <class Form>
void checkBacktestAgainstPlainRuns(Listing listing,
                                   const std::function<scheme::Scheme()>& nextScheme,
                                   const std::vector<std::string>& names) {
    std::mt19937 random(20261209);
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    int survived = 0;
    int struck = 0;
    int tolerant = 0;
    for (int i = 0; i < 36; ++i) {
        scheme::Scheme s = nextScheme();
        s.comma = random() % 4 == 0;
        s.tolerance = randomTolerance(random, names);
        applyScheme(s, form);
        SCOPED_TRACE(scheme::writeScheme(s));
        publish(form, listing);
        const auto lines = testsupport::splitCrLf(form.result.ResultText);
        ASSERT_EQ(lines.size(), form.result.count());
        const std::set<std::string> listed(lines.begin(), lines.end());
        const auto past = randomDraws(random, listing, lines);

        const engine::Backtest backtest = draws::backtestOf(form.lishi.edition(), past);
        EXPECT_EQ(backtest.survivorsToday, static_cast<int>(form.result.count()));
        ASSERT_EQ(backtest.draws.size(), past.size());
        int winners = 0;
        int struckRun = 0;
        int longestStruckRun = 0;
        std::map<std::string, int> winnersBroken;
        for (std::size_t d = past.size(); d-- > 0;) {
            const history::Draw& draw = past[d];
            const engine::BacktestDraw& record = backtest.draws[d];
            SCOPED_TRACE(draw.issue + " " +
                         betLine({draw.numbers.begin(), draw.numbers.end()}, ' '));
            EXPECT_EQ(record.issue, draw.issue);
            const bool isListed =
                listed.contains(winnerLine(listing, draw.numbers, form.result.separator()));
            EXPECT_EQ(record.survived, isListed);
            winners += isListed ? 1 : 0;
            struckRun = isListed ? 0 : struckRun + 1;
            longestStruckRun = std::max(longestStruckRun, struckRun);

            const auto expected = brokenByEvery(form.tongji, typedWinners(listing, draw.numbers));
            std::vector<std::string> named;
            for (const int c : record.broken) named.push_back(backtest.conditions.at(c).name);
            EXPECT_EQ(named, expected);
            for (const auto& name : expected) ++winnersBroken[name];
        }
        EXPECT_EQ(backtest.winnersSurvived, winners);
        EXPECT_EQ(backtest.longestStruckRun, longestStruckRun);
        // Every listed bet bought at 2 元 for each draw; a kept winner pays the
        // listing's prize; chance keeps each draw with listed / possible.
        const auto [prize, possible] = listing == Listing::Any5           ? std::pair{540, 462}
                                       : listing == Listing::Front3Direct ? std::pair{1170, 990}
                                                                          : std::pair{195, 165};
        const long long cost = 2LL * static_cast<long long>(past.size() * lines.size());
        EXPECT_EQ(backtest.cost(), cost);
        EXPECT_EQ(backtest.winnings(), 1LL * winners * prize);
        EXPECT_NEAR(backtest.chanceKept(),
                    static_cast<double>(past.size() * lines.size()) / possible, 1e-9);
        EXPECT_NE(
            engine::backtestSummary(backtest).find("共花费 " + std::to_string(cost) + " 元，中奖 " +
                                                   std::to_string(winners * prize) + " 元"),
            std::string::npos);
        ASSERT_EQ(backtest.conditions.size(), form.tongji.verdicts().conditions.size());
        for (std::size_t c = 0; c < backtest.conditions.size(); ++c) {
            const engine::BacktestCondition& condition = backtest.conditions[c];
            EXPECT_EQ(condition.name, form.tongji.verdicts().conditions[c].name);
            EXPECT_EQ(condition.winnersBroken, winnersBroken[condition.name]) << condition.name;
        }
        survived += winners;
        struck += static_cast<int>(past.size()) - winners;
        tolerant += form.tongji.tolerance().isPlain() ? 0 : 1;
    }
    // Not a vacuous pass: winners both kept and struck, under ranges too.
    EXPECT_GT(survived, 200);
    EXPECT_GT(struck, 200);
    EXPECT_GE(tolerant, 10);
}

TEST(Backtest, Any5AgreesWithAPlainRunAndTheReportsLookupPerDraw) {
    testsupport::RandomSchemes schemes(20261209);
    checkBacktestAgainstPlainRuns<any5::MainForm>(
        Listing::Any5, [&schemes] { return schemes.any5(); }, engine::any5ConditionNames());
}

// Groups: a winner survives when one ordering of its three numbers does, and
// breaks a condition when every ordering does.
TEST(Backtest, Front3AgreesWithAPlainRunAndTheReportsLookupPerDraw) {
    testsupport::RandomSchemes schemes(20261210);
    for (const Listing listing : {Listing::Front3Direct, Listing::Front3Groups}) {
        SCOPED_TRACE(listing == Listing::Front3Direct ? "direct" : "groups");
        checkBacktestAgainstPlainRuns<front3::MainForm>(
            listing, [&schemes] { return schemes.front3(); }, engine::front3ConditionNames());
    }
}

// Rows read against past draws, set at random: each past draw is checked
// against a plain run of the window whose reference is the draws stored
// before it, and nothing newer. A back-test that read every draw against the
// newest stored draws would differ here.
template <class Form>
void checkPastRowsAgainstPlainRunsPerDraw(Listing listing,
                                          const std::function<scheme::Scheme()>& nextScheme,
                                          int betSize) {
    std::mt19937 random(20261211);
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    int judged = 0;
    int unjudged = 0;
    int struckByPast = 0;
    for (int i = 0; i < 6; ++i) {
        scheme::Scheme s;
        if (i % 2 != 0) s = nextScheme();
        s.edition = listing == Listing::Any5 ? scheme::Edition::Any5 : scheme::Edition::Front3;
        s.tolerance = {};
        for (auto* counts : {&s.repeatCounts, &s.neighbourCounts, &s.isolatedCounts, &s.hotCounts,
                             &s.warmCounts, &s.coldCounts}) {
            if (random() % 3 != 0) continue;
            for (int k = 0; k <= betSize; ++k) {
                if (random() % 2 == 0) counts->insert(k);
            }
        }
        s.repeatCounts.insert(static_cast<int>(random() % 2));  // at least one row
        const int window = 5 + static_cast<int>(random() % 8);
        s.hotRule = engine::HeatRule{window, std::max(2, window / 2), 1};
        applyScheme(s, form);
        SCOPED_TRACE(scheme::writeScheme(s));
        const auto past = randomDraws(random, listing, {});
        form.past.setStored("彩种", past);
        publish(form, listing);
        const engine::Backtest backtest = draws::backtestOf(form.lishi.edition(), past);
        ASSERT_EQ(backtest.draws.size(), past.size());
        std::map<std::string, double> shares;
        int drawsJudged = 0;
        for (std::size_t d = 0; d < past.size(); ++d) {
            const history::Draw& draw = past[d];
            SCOPED_TRACE(draw.issue);
            form.past.setStored("彩种", {past.begin() + static_cast<long>(d) + 1, past.end()});
            bool canJudge = true;
            for (const auto row : draws::PastPanel::kRows) {
                if (form.past.row(row).countWithColour(toolkit::palette::kGreen) > 0)
                    canJudge = canJudge && form.past.maskNow(row).has_value();
            }
            const engine::BacktestDraw& record = backtest.draws[d];
            EXPECT_EQ(record.isJudged, canJudge);
            if (!canJudge) {
                ++unjudged;
                continue;
            }
            ++judged;
            ++drawsJudged;
            publish(form, listing);
            const auto lines = testsupport::splitCrLf(form.result.ResultText);
            const std::set<std::string> listed(lines.begin(), lines.end());
            EXPECT_EQ(record.survived,
                      listed.contains(winnerLine(listing, draw.numbers, form.result.separator())));
            const auto expected = brokenByEvery(form.tongji, typedWinners(listing, draw.numbers));
            std::vector<std::string> named;
            for (const int c : record.broken) named.push_back(backtest.conditions.at(c).name);
            EXPECT_EQ(named, expected);
            for (const auto& verdict : form.tongji.verdicts().conditions) {
                if (!verdict.past) continue;
                shares[verdict.name] +=
                    static_cast<double>(verdict.breaks.count()) / form.tongji.verdicts().rowCount;
                struckByPast += std::count(expected.begin(), expected.end(), verdict.name);
            }
        }
        EXPECT_EQ(backtest.judgedDraws, drawsJudged);
        for (const auto& condition : backtest.conditions) {
            if (!condition.meanShare) continue;
            EXPECT_NEAR(backtest.betShare(condition), shares[condition.name] / drawsJudged, 1e-9)
                << condition.name;
        }
        if (drawsJudged < static_cast<int>(past.size())) {
            EXPECT_NE(
                engine::backtestSummary(backtest).find(
                    "前 " + std::to_string(past.size() - drawsJudged) + " 期开奖历史不足，未计入"),
                std::string::npos);
        }
    }
    EXPECT_GT(judged, 200);
    EXPECT_GT(unjudged, 6);
    EXPECT_GT(struckByPast, 50);
}

TEST(Backtest, RowsReadAgainstPastDrawsReadEachDrawsOwnPast) {
    testsupport::RandomSchemes schemes(20261212);
    checkPastRowsAgainstPlainRunsPerDraw<any5::MainForm>(
        Listing::Any5, [&schemes] { return schemes.any5(); }, 5);
    for (const Listing listing : {Listing::Front3Direct, Listing::Front3Groups}) {
        SCOPED_TRACE(listing == Listing::Front3Direct ? "direct" : "groups");
        checkPastRowsAgainstPlainRunsPerDraw<front3::MainForm>(
            listing, [&schemes] { return schemes.front3(); }, 3);
    }
}

}  // namespace
