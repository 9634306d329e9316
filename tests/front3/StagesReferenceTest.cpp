#include <gtest/gtest.h>

#include "front3/NumberStages.h"
#include "tests/front3/Front3ReferenceFixture.h"

// The front-3 number stages against their rules worked out bet by bet: spans,
// sums, kill numbers, positions, bankers, and odd and big counts.
namespace {

using testsupport::captionsIn;
using testsupport::caseCount;
using testsupport::kFront3Cases;
using testsupport::kFront3ClickedRuns;
using testsupport::paint;
using testsupport::Pick;
using testsupport::pickForCase;
using testsupport::pickOfBits;
using testsupport::pressPicked;
using testsupport::randomPick;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Bet = testsupport::Front3Bet;
using Front3Stage = engine::FilterStage<front3::CandidateTable>;

class Front3StagesReferenceTest : public testsupport::Front3ReferenceFixture {
protected:
    front3::NumberPanels& numbers = form.numbers;
    front3::ShapePanels& shapes = form.shapes;
};

TEST_F(Front3StagesReferenceTest, SpanAndSumKillTheSelectedValues) {
    const front3::SpanStage spanStage(numbers.C_kuadu_sha);
    const front3::SumStage sumStage(shapes.C_hezhi);
    for (const bool isSum : {false, true}) {
        auto& array = isSum ? shapes.C_hezhi : numbers.C_kuadu_sha;  // "6".."30", "2".."10"
        auto& clear = isSum ? shapes.Command5 : numbers.C_kuadu_sha_cls;
        const int first = isSum ? 6 : 2;
        const Front3Stage& stage = isSum ? static_cast<const Front3Stage&>(sumStage) : spanStage;
        const int cases = caseCount(array.size(), kFront3Cases);
        for (int round = 0; round < cases + kFront3ClickedRuns; ++round) {
            const Pick pick = pickForCase(random, array.size(), round, kFront3Cases);
            const auto kills = [&](const Bet& bet) {
                const int index = (isSum ? bet.sum : bet.span) - first;
                return index >= 0 && index < static_cast<int>(pick.size) && pick.on[index];
            };
            if (round < cases) {
                paint(array, pick, kYellow, random);
                ASSERT_TRUE(agrees(stage, kills)) << captionsIn(array, kYellow);
            } else {
                clear.press();
                pressPicked(array, pick);
                ASSERT_TRUE(runAgrees(kills)) << captionsIn(array, kYellow);
            }
        }
        clear.press();
    }
    shapes.Command10.press();  // "全": every sum
    EXPECT_TRUE(runAgrees([](const Bet&) { return true; }));
}

// The number a C_dingwei_sha button stands for: row one reads 01..11 by
// index, rows two and three run from 11 down to 01.
int positionalNumber(std::size_t index) {
    if (index <= 10) return static_cast<int>(index) + 1;
    if (index <= 21) return 22 - static_cast<int>(index);
    return 33 - static_cast<int>(index);
}

TEST_F(Front3StagesReferenceTest, KillNumbersAnywhereAndAtTheirPositions) {
    const front3::KillNumberStage killStage(numbers.C_tsm_sha);
    const front3::PositionalKillStage positionalStage(numbers.C_dingwei_sha);
    for (const bool positional : {false, true}) {
        auto& array = positional ? numbers.C_dingwei_sha : numbers.C_tsm_sha;
        const Front3Stage& stage =
            positional ? static_cast<const Front3Stage&>(positionalStage) : killStage;
        const int cases = caseCount(array.size(), kFront3Cases);
        for (int round = 0; round < cases + kFront3ClickedRuns; ++round) {
            const Pick pick = pickForCase(random, array.size(), round, kFront3Cases);
            bool killed[3][12] = {};  // by position and number
            for (std::size_t i = 0; i < array.size(); ++i) {
                for (int position = 0; position < 3; ++position) {
                    if (positional && position == static_cast<int>(i / 11))
                        killed[position][positionalNumber(i)] = pick.on[i];
                    if (!positional && pick.on[i]) killed[position][i + 1] = true;
                }
            }
            const auto kills = [&](const Bet& bet) {
                return killed[0][bet.t[0]] || killed[1][bet.t[1]] || killed[2][bet.t[2]];
            };
            if (round < cases) {
                paint(array, pick, kYellow, random);
                ASSERT_TRUE(agrees(stage, kills)) << captionsIn(array, kYellow);
            } else {
                form.C_all_cls.press();
                pressPicked(array, pick);
                ASSERT_TRUE(runAgrees(kills)) << captionsIn(array, kYellow);
            }
        }
    }
}

// The number a banker button stands for: group 1 lists "02".."10" first, then
// "01" and "11"; groups 2 and 3 "01".."11".
int bankerNumber(int group, std::size_t index) {
    if (group > 1) return static_cast<int>(index) + 1;
    return index == 9 ? 1 : index == 10 ? 11 : static_cast<int>(index) + 2;
}

// Three banker groups: numbers by button index, counts "0".."3".
struct BankerGroups {
    Pick numbers[3];
    Pick counts[3];
    bool isBanker[3][12] = {};

    void findBankers() {
        for (int g = 0; g < 3; ++g) {
            for (std::size_t i = 0; i < 11; ++i)
                isBanker[g][bankerNumber(g + 1, i)] = numbers[g].on[i];
        }
    }
    // The plain rule: of each group with a banker, the bet holds as many as a
    // selected count, or at least one when none is.
    bool breaks(const Bet& bet) const {
        for (int g = 0; g < 3; ++g) {
            if (!numbers[g].any) continue;
            const int hits = (isBanker[g][bet.t[0]] ? 1 : 0) + (isBanker[g][bet.t[1]] ? 1 : 0) +
                             (isBanker[g][bet.t[2]] ? 1 : 0);
            if (counts[g].any ? !counts[g].on[hits] : hits == 0) return true;
        }
        return false;
    }
};

class Front3BankerReferenceTest : public Front3StagesReferenceTest {
protected:
    // Clicks group g as a player does: numbers, then counts (one above the
    // numbers is refused), then now and then some numbers off again, which
    // leaves their counts standing.
    void clickGroup(BankerGroups& groups, int g) {
        Pick& bankers = groups.numbers[g];
        pressPicked(numbers.numbers(g + 1), bankers);
        pressPicked(numbers.counts(g + 1), groups.counts[g]);
        const auto chosen = static_cast<std::size_t>(std::count(bankers.on, bankers.on + 11, true));
        for (std::size_t c = chosen + 1; c < 4; ++c) groups.counts[g].set(c, false);
        for (std::size_t i = 0; i < 11 && random() % 4 == 0; ++i) {
            if (bankers.on[i] && random() % 2 == 0) {
                numbers.numbers(g + 1).press(i);
                bankers.set(i, false);
            }
        }
    }
    std::string shown() const {
        std::string text;
        for (int g = 1; g <= 3; ++g)
            text += captionsIn(numbers.numbers(g), kGreen) + captionsIn(numbers.counts(g), kGreen);
        return text;
    }
};

TEST_F(Front3BankerReferenceTest, BankerGroupsHoldTheirCountsOfBankers) {
    const front3::BankerGroupStage stage(
        {&numbers.C_danma_chu, &numbers.C_danma_chu2, &numbers.C_danma_chu3},
        {&numbers.C_danma_chu_geshu, &numbers.C_danma_chu_geshu2, &numbers.C_danma_chu_geshu3});
    for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
        BankerGroups groups;
        if (round >= kFront3Cases) form.C_all_cls.press();
        for (int g = 0; g < 3; ++g) {
            groups.numbers[g] = random() % 3 == 0 ? Pick{11} : randomPick(random, 11);
            groups.counts[g] = randomPick(random, 4);
            if (round >= kFront3Cases) {
                clickGroup(groups, g);
                continue;
            }
            // Set directly: counts with no number, and more counts than numbers.
            paint(numbers.numbers(g + 1), groups.numbers[g], kGreen, random);
            paint(numbers.counts(g + 1), groups.counts[g], kGreen, random);
        }
        groups.findBankers();
        const auto kills = [&](const Bet& bet) { return groups.breaks(bet); };
        if (round < kFront3Cases) {
            ASSERT_TRUE(agrees(stage, kills)) << shown();
        } else {
            ASSERT_TRUE(runAgrees(kills)) << shown();
        }
    }
}

TEST_F(Front3StagesReferenceTest, OddAndBigCountsMustBeSelectedOnesInBothBigRanges) {
    const front3::CountStage stage(shapes.C_jishu_geshu, shapes.C_dahao_geshu,
                                   shapes.BigNumberList);
    const int cases = caseCount(9, kFront3Cases);  // every selection, in both ranges
    for (int round = 0; round < cases + kFront3ClickedRuns; ++round) {
        const unsigned long bits = round < cases ? static_cast<unsigned long>(round) : random();
        const Pick odd = pickOfBits(bits, 4);
        const Pick big = pickOfBits(bits >> 4, 4);
        const std::size_t range = (bits >> 8) & 1u;  // "大7~11" or "大6~11"
        const auto kills = [&](const Bet& bet) {
            return (odd.any && !odd.on[bet.odd]) ||
                   (big.any && !big.on[range == 0 ? bet.bigFrom7 : bet.bigFrom6]);
        };
        shapes.Op_dahao_fanwei.choose(range);
        if (round < cases) {
            paint(shapes.C_jishu_geshu, odd, kGreen, random);
            paint(shapes.C_dahao_geshu, big, kGreen, random);
            ASSERT_TRUE(agrees(stage, kills))
                << shapes.BigNumberList << " " << captionsIn(shapes.C_jishu_geshu, kGreen)
                << captionsIn(shapes.C_dahao_geshu, kGreen);
        } else {
            form.C_all_cls.press();  // the range stays
            pressPicked(shapes.C_jishu_geshu, odd);
            pressPicked(shapes.C_dahao_geshu, big);
            ASSERT_TRUE(runAgrees(kills))
                << shapes.BigNumberList << " " << captionsIn(shapes.C_jishu_geshu, kGreen)
                << captionsIn(shapes.C_dahao_geshu, kGreen);
        }
    }
}

}  // namespace
