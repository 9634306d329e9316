#include <gtest/gtest.h>

#include <memory>

#include "any5/stages/ConsecutiveStage.h"
#include "any5/stages/CountStage.h"
#include "any5/stages/KillAllStage.h"
#include "any5/stages/MinMaxStage.h"
#include "any5/stages/SpacingStage.h"
#include "any5/stages/ValueKillStage.h"
#include "tests/any5/ButtonReferenceFixture.h"

// The shape stages against their rules worked out bet by bet: sum tails,
// sums, spans, smallest and largest numbers, spacing, kill numbers, counts in
// both big-number ranges, and runs.
namespace {

using testsupport::captionsIn;
using testsupport::caseCount;
using testsupport::kClickedRuns;
using testsupport::kReferenceCases;
using testsupport::paint;
using testsupport::Pick;
using testsupport::pickForCase;
using testsupport::pressPicked;
using testsupport::randomPick;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Bet = testsupport::ReferenceBet;

class ButtonStagesReferenceTest : public testsupport::ButtonReferenceFixture {};

// A kill panel of values whose button i stands for first + i.
struct ValuePanel {
    toolkit::ButtonArray& array;
    toolkit::Button& clear;
    int first;
    int (*value)(const Bet&);
    std::unique_ptr<engine::FilterStage<engine::CandidateTable>> stage;
};

TEST_F(ButtonStagesReferenceTest, SumTailSumAndSpanKillTheSelectedValues) {
    auto& s = form.shapes;
    ValuePanel panels[] = {
        {s.C_zuobian_sha_heiwei, s.C_zuobian_sha_heiwei_cls, 0,
         [](const Bet& b) { return b.sum % 10; },
         std::make_unique<any5::stages::SumTailStage>(s.C_zuobian_sha_heiwei)},
        {s.C_sha_hezhi, s.C_zuobian_sha_zhidinghezhi_cls, 15, [](const Bet& b) { return b.sum; },
         std::make_unique<any5::stages::SumStage>(s.C_sha_hezhi)},
        {s.C_kuadu_sha, s.C_kuadu_sha_cls, 4, [](const Bet& b) { return b.c[4] - b.c[0]; },
         std::make_unique<any5::stages::SpanStage>(s.C_kuadu_sha)}};
    for (auto& panel : panels) {
        const int cases = caseCount(panel.array.size(), kReferenceCases);
        for (int round = 0; round < cases + kClickedRuns; ++round) {
            const Pick pick = pickForCase(random, panel.array.size(), round, kReferenceCases);
            const auto kills = [&](const Bet& bet) {
                const int index = panel.value(bet) - panel.first;
                return index >= 0 && index < static_cast<int>(pick.size) && pick.on[index];
            };
            if (round < cases) {
                paint(panel.array, pick, kYellow, random);
                ASSERT_TRUE(agrees(*panel.stage, kills)) << captionsIn(panel.array, kYellow);
            } else {
                panel.clear.press();
                pressPicked(panel.array, pick);
                ASSERT_TRUE(runAgrees(kills)) << captionsIn(panel.array, kYellow);
            }
        }
        panel.clear.press();
    }
    s.C_zuobian_sha_zhidinghezhi_all.press();  // "全": every sum
    EXPECT_TRUE(runAgrees([](const Bet&) { return true; }));
}

TEST_F(ButtonStagesReferenceTest, SmallestAndLargestMustBeSelectedOnes) {
    auto& C_min = form.minMax.C_min;  // "01".."07"
    auto& C_max = form.minMax.C_max;  // "05".."11"
    const any5::stages::MinMaxStage stage(C_min, C_max);
    for (int round = 0; round < kReferenceCases + kClickedRuns; ++round) {
        const Pick smallest = randomPick(random, 7);
        const Pick largest = randomPick(random, 7);
        const auto kills = [&](const Bet& bet) {
            const bool smallestOk = !smallest.any || (bet.c[0] <= 7 && smallest.on[bet.c[0] - 1]);
            const bool largestOk = !largest.any || (bet.c[4] >= 5 && largest.on[bet.c[4] - 5]);
            return !smallestOk || !largestOk;
        };
        if (round < kReferenceCases) {
            paint(C_min, smallest, kGreen, random);
            paint(C_max, largest, kGreen, random);
            ASSERT_TRUE(agrees(stage, kills))
                << captionsIn(C_min, kGreen) << captionsIn(C_max, kGreen);
        } else {
            form.C_all_cls.press();
            pressPicked(C_min, smallest);  // an impossible choice warns, and stands
            pressPicked(C_max, largest);
            ASSERT_TRUE(runAgrees(kills)) << captionsIn(C_min, kGreen) << captionsIn(C_max, kGreen);
        }
    }
}

TEST_F(ButtonStagesReferenceTest, SpacingKillsBetsStartingWithTheSelectedGaps) {
    auto& C_jiange = form.shapes.C_jiange;  // "01".."11"
    const any5::stages::SpacingStage stage(C_jiange);
    // Read straight from the colours, every selection (the panel stops at five).
    const int cases = caseCount(11, kReferenceCases);
    for (int round = 0; round < cases + kClickedRuns; ++round) {
        Pick pick = pickForCase(random, 11, round, kReferenceCases);
        if (round >= cases) {
            pick = Pick{11};
            for (auto n = random() % 6; n > 0; --n) pick.set(random() % 11, true);
        }
        int numbers[11] = {};
        int count = 0;
        for (int n = 1; n <= 11; ++n) {
            if (pick.on[n - 1]) numbers[count++] = n;
        }
        const auto kills = [&](const Bet& bet) {
            if (count < 2) return false;
            for (int j = 0; j + 1 < count; ++j) {  // a bet has four gaps
                if (j >= 4 || bet.c[j + 1] - bet.c[j] != numbers[j + 1] - numbers[j]) return false;
            }
            return true;
        };
        if (round < cases) {
            paint(C_jiange, pick, kYellow, random);
            ASSERT_TRUE(agrees(stage, kills)) << captionsIn(C_jiange, kYellow);
        } else {
            form.shapes.C_jianju_cls.press();
            pressPicked(C_jiange, pick);
            ASSERT_TRUE(runAgrees(kills)) << captionsIn(C_jiange, kYellow);
        }
    }
}

TEST_F(ButtonStagesReferenceTest, KillNumbersStrikeEveryBetHoldingOne) {
    auto& C_tsm_sha = form.shapes.C_tsm_sha;  // "01".."11"
    const any5::stages::KillAllStage stage(C_tsm_sha);
    const int cases = caseCount(11, kReferenceCases);
    for (int round = 0; round < cases + kClickedRuns; ++round) {
        const Pick pick = pickForCase(random, 11, round, kReferenceCases);
        const auto kills = [&](const Bet& bet) {
            const bool* killed = pick.on - 1;
            return killed[bet.c[0]] || killed[bet.c[1]] || killed[bet.c[2]] || killed[bet.c[3]] ||
                   killed[bet.c[4]];
        };
        if (round < cases) {
            paint(C_tsm_sha, pick, kYellow, random);
            ASSERT_TRUE(agrees(stage, kills)) << captionsIn(C_tsm_sha, kYellow);
        } else {
            form.shapes.C_bdw_chu_cls.press();
            pressPicked(C_tsm_sha, pick);
            ASSERT_TRUE(runAgrees(kills)) << captionsIn(C_tsm_sha, kYellow);
        }
    }
}

TEST_F(ButtonStagesReferenceTest, OddBigAndPrimeCountsMustBeSelectedOnesInBothBigRanges) {
    auto& p = form.counts;  // each "0".."5"
    const any5::stages::CountStage stage(p.C_jishu_geshu, p.C_dahao_geshu, p.C_zhihe_geshu,
                                         p.BigNumberList);
    for (int round = 0; round < kReferenceCases + kClickedRuns; ++round) {
        const Pick odd = randomPick(random, 6);
        const Pick big = randomPick(random, 6);
        const Pick prime = randomPick(random, 6);
        const std::size_t range = random() % 2;  // "大7~11" or "大6~11"
        const auto kills = [&](const Bet& bet) {
            return (odd.any && !odd.on[bet.odd]) || (prime.any && !prime.on[bet.prime]) ||
                   (big.any && !big.on[range == 0 ? bet.bigFrom7 : bet.bigFrom6]);
        };
        p.Op_dahao_fanwei.choose(range);
        if (round >= kReferenceCases) form.C_all_cls.press();  // the range stays
        for (auto [array, pick] :
             {std::pair{&p.C_jishu_geshu, &odd}, std::pair{&p.C_dahao_geshu, &big},
              std::pair{&p.C_zhihe_geshu, &prime}}) {
            if (round < kReferenceCases) paint(*array, *pick, kGreen, random);
            if (round >= kReferenceCases) pressPicked(*array, *pick);
        }
        const auto shown = [&] {
            return p.BigNumberList + " " + captionsIn(p.C_jishu_geshu, kGreen) +
                   captionsIn(p.C_dahao_geshu, kGreen) + captionsIn(p.C_zhihe_geshu, kGreen);
        };
        if (round < kReferenceCases) {
            ASSERT_TRUE(agrees(stage, kills)) << shown();
        } else {
            ASSERT_TRUE(runAgrees(kills)) << shown();
        }
    }
}

TEST_F(ButtonStagesReferenceTest, RunPatternsKillTheBetsHoldingSuchARun) {
    auto& C_sha_xingtai_01 = form.shapes.C_sha_xingtai_01;
    const any5::stages::ConsecutiveStage stage(C_sha_xingtai_01);
    const int cases = caseCount(6, kReferenceCases);
    for (int round = 0; round < cases + kClickedRuns; ++round) {
        const Pick pick = pickForCase(random, 6, round, kReferenceCases);
        // By index: 不连, 两连, 两个两连, 三连, 四连, 五连.
        const auto kills = [&](const Bet& bet) {
            return (pick.on[0] && bet.pairs == 0) || (pick.on[1] && bet.pairs >= 1) ||
                   (pick.on[2] && bet.pairs >= 2) || (pick.on[3] && bet.runs[3]) ||
                   (pick.on[4] && bet.runs[4]) || (pick.on[5] && bet.runs[5]);
        };
        if (round < cases) {
            paint(C_sha_xingtai_01, pick, kYellow, random);
            ASSERT_TRUE(agrees(stage, kills)) << captionsIn(C_sha_xingtai_01, kYellow);
        } else {
            form.C_all_cls.press();
            pressPicked(C_sha_xingtai_01, pick);
            ASSERT_TRUE(runAgrees(kills)) << captionsIn(C_sha_xingtai_01, kYellow);
        }
    }
}

}  // namespace
