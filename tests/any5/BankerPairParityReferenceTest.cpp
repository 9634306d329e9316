#include <gtest/gtest.h>

#include <algorithm>

#include "any5/stages/BankerGroupStage.h"
#include "any5/stages/PairStage.h"
#include "any5/stages/ParityPatternStage.h"
#include "tests/any5/ButtonReferenceFixture.h"

// The banker groups, the pair pages and the odd/even arrangements against
// their rules worked out bet by bet.
namespace {

using testsupport::captionsIn;
using testsupport::kClickedRuns;
using testsupport::kReferenceCases;
using testsupport::paint;
using testsupport::Pick;
using testsupport::pressPicked;
using testsupport::randomPick;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Any5Stage = engine::FilterStage<engine::CandidateTable>;
using Bet = testsupport::ReferenceBet;

// The number a banker button stands for: group 1 lists "02".."10" first, then
// "01" and "11"; the other groups "01".."11".
int bankerNumber(int group, std::size_t index) {
    if (group > 1) return static_cast<int>(index) + 1;
    return index == 9 ? 1 : index == 10 ? 11 : static_cast<int>(index) + 2;
}

// The pair of pair button `index`: 01/02, 01/03, ... 01/11, 02/03, ... 10/11.
std::pair<int, int> pairOfButton(std::size_t index) {
    std::size_t i = 0;
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 11; ++b, ++i) {
            if (i == index) return {a, b};
        }
    }
    return {0, 0};
}

struct BankerGroup {
    Pick numbers;  // by button index
    Pick counts;   // by count 0..5
};

// The plain banker rule: of each group with a selected number, a bet holds
// as many of its numbers as a selected count, or at least one when none is.
class BankerRule {
public:
    explicit BankerRule(const BankerGroup (&groups)[5]) : m_groups(groups) {
        for (int group = 1; group <= 5; ++group) {
            for (std::size_t i = 0; i < 11; ++i)
                m_isBanker[group - 1][bankerNumber(group, i)] = groups[group - 1].numbers.on[i];
        }
    }
    bool breaks(const Bet& bet) const {
        for (int g = 0; g < 5; ++g) {
            if (!m_groups[g].numbers.any) continue;  // no banker: the group imposes nothing
            int hits = 0;
            for (int k = 0; k < 5; ++k) hits += m_isBanker[g][bet.c[k]] ? 1 : 0;
            const Pick& counts = m_groups[g].counts;
            if (counts.any ? !counts.on[hits] : hits == 0) return true;
        }
        return false;
    }

private:
    const BankerGroup (&m_groups)[5];
    bool m_isBanker[5][12] = {};
};

class BankerPairParityReferenceTest : public testsupport::ButtonReferenceFixture {
protected:
    Pick randomBankers() { return random() % 3 == 0 ? Pick{11} : randomPick(random, 11); }

    // Clicks one group as a player does: numbers, then counts (one above the
    // numbers is refused), then now and then some numbers off again, which
    // can leave more counts than numbers. Returns what stands.
    BankerGroup clickGroup(int group) {
        auto& numbers = form.bankers.numbers(group);
        auto& counts = form.bankers.counts(group);
        if (random() % 10 == 0) {  // "全": every number, and every count flipped on
            form.bankers.C_danma_chu_all.press(static_cast<std::size_t>(group - 1));
            return {testsupport::everything(11), testsupport::everything(6)};
        }
        BankerGroup g{randomBankers(), randomPick(random, 6)};
        pressPicked(numbers, g.numbers);
        const auto chosen =
            static_cast<std::size_t>(std::count(g.numbers.on, g.numbers.on + 11, true));
        for (std::size_t c = 0; c < 6; ++c) {
            if (g.counts.on[c]) counts.press(c);
            if (c > chosen) g.counts.set(c, false);
        }
        for (std::size_t i = 0; i < 11 && random() % 4 == 0; ++i) {
            if (g.numbers.on[i] && random() % 2 == 0) {
                numbers.press(i);
                g.numbers.set(i, false);
            }
        }
        return g;
    }
};

TEST_F(BankerPairParityReferenceTest, BankerGroupsHoldTheirCountsOfBankers) {
    const auto stage = form.bankers.makeStage();
    for (int round = 0; round < kReferenceCases + kClickedRuns; ++round) {
        BankerGroup groups[5];
        if (round >= kReferenceCases) form.C_all_cls.press();
        for (int group = 1; group <= 5; ++group) {
            if (round < kReferenceCases) {
                // Set directly: counts with no number, and more counts than numbers.
                groups[group - 1] = {randomBankers(), randomPick(random, 6)};
                paint(form.bankers.numbers(group), groups[group - 1].numbers, kGreen, random);
                paint(form.bankers.counts(group), groups[group - 1].counts, kGreen, random);
            } else {
                groups[group - 1] = clickGroup(group);
            }
        }
        const BankerRule rule(groups);
        const auto shown = [&] {
            std::string text;
            for (int group = 1; group <= 5; ++group)
                text += captionsIn(form.bankers.numbers(group), kGreen) +
                        captionsIn(form.bankers.counts(group), kGreen);
            return text;
        };
        const auto kills = [&](const Bet& bet) { return rule.breaks(bet); };
        if (round < kReferenceCases) {
            ASSERT_TRUE(agrees(*stage, kills)) << shown();
        } else {
            ASSERT_TRUE(runAgrees(kills)) << shown();
        }
    }
}

TEST_F(BankerPairParityReferenceTest, PairPagesKillOrKeepTheBetsHoldingASelectedPair) {
    auto& pairs = form.pairs;
    const any5::stages::PairKillStage killStage(pairs.C_sha2ma);
    const any5::stages::PairKeepStage keepStage(pairs.C_chu2ma);
    for (const bool keep : {false, true}) {
        auto& array = keep ? pairs.C_chu2ma : pairs.C_sha2ma;
        auto& clear = keep ? pairs.C_chu2ma_cls : pairs.C_sha2ma_cls;
        const Any5Stage& stage = keep ? static_cast<const Any5Stage&>(keepStage) : killStage;
        const auto selected = keep ? kGreen : kYellow;
        for (int round = 0; round < kReferenceCases + kClickedRuns; ++round) {
            const Pick pick = randomPick(random, 55);
            bool isPicked[12][12] = {};
            for (std::size_t i = 0; i < 55; ++i) {
                const auto [a, b] = pairOfButton(i);
                isPicked[a][b] = pick.on[i];
            }
            // Is one of the bet's ten pairs selected?
            const auto kills = [&](const Bet& bet) {
                bool holdsOne = false;
                for (int i = 0; i < 5; ++i) {
                    for (int j = i + 1; j < 5; ++j)
                        holdsOne = holdsOne || isPicked[bet.c[i]][bet.c[j]];
                }
                return keep ? pick.any && !holdsOne : holdsOne;
            };
            if (round < kReferenceCases) {
                paint(array, pick, selected, random);
                ASSERT_TRUE(agrees(stage, kills)) << captionsIn(array, selected);
            } else {
                clear.press();
                pressPicked(array, pick);
                ASSERT_TRUE(runAgrees(kills)) << captionsIn(array, selected);
            }
        }
        clear.press();
    }
    pairs.C_chu2ma_all.press();  // "全选": every bet holds some pair
    EXPECT_TRUE(runAgrees([](const Bet&) { return false; }));
    pairs.C_sha2ma_all.press();
    EXPECT_TRUE(runAgrees([](const Bet&) { return true; }));
}

// The 32 odd/even arrangements, and for each bet (by row) which one it shows.
struct Arrangements {
    explicit Arrangements(const std::vector<Bet>& bets) {
        for (unsigned odd = 0; odd < 32; ++odd) {
            std::string arrangement;
            for (int k = 0; k < 5; ++k) arrangement += (odd >> k) & 1u ? "奇" : "偶";
            all.push_back(arrangement);
        }
        for (const Bet& bet : bets) ofRow.push_back(indexOf(bet.arrangement));
    }
    // 32 for a text that is no arrangement.
    std::size_t indexOf(const std::string& text) const {
        return static_cast<std::size_t>(std::find(all.begin(), all.end(), text) - all.begin());
    }
    std::vector<std::string> all;
    std::vector<std::size_t> ofRow;
};

TEST_F(BankerPairParityReferenceTest, TickedArrangementsAreKilled) {
    const Arrangements arrangements(bets);
    const any5::stages::ParityPatternStage stage(form.ParityPatternList);
    std::size_t order[32];
    for (std::size_t i = 0; i < 32; ++i) order[i] = i;
    for (int round = 0; round < kReferenceCases + kClickedRuns; ++round) {
        const Pick pick = randomPick(random, 32);
        bool isTicked[33] = {};         // by arrangement
        if (round < kReferenceCases) {  // the list as the picker writes it, in any order
            std::shuffle(order, order + 32, random);
            form.ParityPatternList.clear();
            for (std::size_t i = 0; i < 32; ++i) {
                if (pick.on[i]) form.ParityPatternList += arrangements.all[order[i]] + "*";
                isTicked[order[i]] = pick.on[i];
            }
        } else {
            form.C_all_cls.press();
            for (std::size_t i = 0; i < 32; ++i) {
                if (pick.on[i]) form.picker.Ch_jo[i].click();
            }
            if (random() % 6 == 0) form.picker.C_jo_quan_cls.press(random() % 12);  // 全 or 清
            for (const auto& box : form.picker.Ch_jo)
                isTicked[arrangements.indexOf(box.caption())] |= box.isTicked();
        }
        const auto kills = [&](const Bet& bet) {
            return isTicked[arrangements.ofRow[static_cast<std::size_t>(&bet - bets.data())]];
        };
        if (round < kReferenceCases) {
            ASSERT_TRUE(agrees(stage, kills)) << form.ParityPatternList;
        } else {
            ASSERT_TRUE(runAgrees(kills)) << form.ParityPatternList;
        }
    }
    form.picker.C_benye_all.press(0);  // "本页全选"
    EXPECT_TRUE(runAgrees([](const Bet&) { return true; }));
}

}  // namespace
