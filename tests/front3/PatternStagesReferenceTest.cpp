#include <gtest/gtest.h>

#include "front3/PairStages.h"
#include "front3/ShapeStages.h"
#include "tests/front3/Front3ReferenceFixture.h"

// The front-3 pattern stages against their rules worked out bet by bet: 0-1-2
// paths, runs and shapes, big/odd/prime patterns by position, and pairs.
namespace {

using testsupport::captionsIn;
using testsupport::caseCount;
using testsupport::kFront3Cases;
using testsupport::kFront3ClickedRuns;
using testsupport::paint;
using testsupport::Pick;
using testsupport::pickForCase;
using testsupport::pressPicked;
using testsupport::randomPick;
using testsupport::tickPicked;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Bet = testsupport::Front3Bet;
using Front3Stage = engine::FilterStage<front3::CandidateTable>;

class Front3PatternReferenceTest : public testsupport::Front3ReferenceFixture {
protected:
    front3::EntryPages& pages = form.pages;
    front3::ShapePanels& shapes = form.shapes;
};

// The ticked boxes, for the message of a failed case.
std::string tickedIn(const std::deque<toolkit::CheckBox>& boxes) {
    std::string text;
    for (const auto& box : boxes) {
        if (box.isTicked()) text += box.caption() + " ";
    }
    return text;
}

// Clicks each picked box, as a player does on a family just cleared.
void clickPicked(std::deque<toolkit::CheckBox>& boxes, const Pick& pick) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (pick.on[i]) boxes[i].click();
    }
}

TEST_F(Front3PatternReferenceTest, PathPatternsKillTheCheckedOnes) {
    const front3::PathPatternStage stage(pages.Check_sha_012);
    for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
        const Pick pick = randomPick(random, 27);  // box 9*p1 + 3*p2 + p3
        const auto kills = [&](const Bet& bet) {
            return pick.on[9 * bet.path[0] + 3 * bet.path[1] + bet.path[2]];
        };
        if (round < kFront3Cases) {
            tickPicked(pages.Check_sha_012, pick);
            ASSERT_TRUE(agrees(stage, kills)) << tickedIn(pages.Check_sha_012);
        } else {
            pages.C_012.press(1);  // "清"
            clickPicked(pages.Check_sha_012, pick);
            ASSERT_TRUE(runAgrees(kills)) << tickedIn(pages.Check_sha_012);
        }
    }
    pages.C_012.press(0);  // "全"
    EXPECT_TRUE(runAgrees([](const Bet&) { return true; }));
}

TEST_F(Front3PatternReferenceTest, RunsAndShapesKillTheBetsShowingThem) {
    auto& C_sha_xingtai_01 = shapes.C_sha_xingtai_01;
    const front3::ConsecutiveShapeStage stage(C_sha_xingtai_01);
    const int cases = caseCount(7, kFront3Cases);
    for (int round = 0; round < cases + kFront3ClickedRuns; ++round) {
        const Pick pick = pickForCase(random, 7, round, kFront3Cases);
        // By index: 不连, 2连 (a three-run holds two-runs), 3连, 上山形, 下山形, 凹形, 凸形.
        const auto kills = [&](const Bet& bet) {
            const int a = bet.t[0], b = bet.t[1], c = bet.t[2];
            return (pick.on[0] && bet.neighbourPairs == 0) ||
                   (pick.on[1] && bet.neighbourPairs >= 1) ||
                   (pick.on[2] && bet.neighbourPairs >= 2) || (pick.on[3] && a < b && b < c) ||
                   (pick.on[4] && a > b && b > c) || (pick.on[5] && b < a && b < c) ||
                   (pick.on[6] && b > a && b > c);
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

// The box of a family showing a bet's pattern, from whether each number, by
// position, takes the family's first word (大, 奇, 质). By index the boxes read
// YYY YYN YNY YNN NNN NNY NYN NYY: 大大大, 大大小, 大小大, ... 小大大.
int boxOf(bool first, bool second, bool third) {
    const bool rows[8][3] = {{1, 1, 1}, {1, 1, 0}, {1, 0, 1}, {1, 0, 0},
                             {0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {0, 1, 1}};
    for (int box = 0; box < 8; ++box) {
        if (rows[box][0] == first && rows[box][1] == second && rows[box][2] == third) return box;
    }
    return -1;
}

// The box of each family showing each bet's pattern, by row.
struct PatternBoxes {
    explicit PatternBoxes(const std::vector<Bet>& bets) {
        using testsupport::isOddNumber;
        using testsupport::isPrimeNumber;
        for (const Bet& bet : bets) {
            const int* t = bet.t;
            big[0].push_back(boxOf(t[0] >= 7, t[1] >= 7, t[2] >= 7));
            big[1].push_back(boxOf(t[0] >= 6, t[1] >= 6, t[2] >= 6));
            odd.push_back(boxOf(isOddNumber(t[0]), isOddNumber(t[1]), isOddNumber(t[2])));
            prime.push_back(boxOf(isPrimeNumber(t[0]), isPrimeNumber(t[1]), isPrimeNumber(t[2])));
        }
    }
    std::vector<int> big[2];  // "大7~11", "大6~11"
    std::vector<int> odd;
    std::vector<int> prime;
};

TEST_F(Front3PatternReferenceTest, BigOddAndPrimePatternsByPositionInBothBigRanges) {
    const front3::PatternStage stage(shapes.Check_sha_daxiao, shapes.Check_sha_jiou,
                                     shapes.Check_sha_zhihe, shapes.BigNumberList);
    const PatternBoxes boxes(bets);
    for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
        const Pick big = randomPick(random, 8);
        const Pick odd = random() % 2 == 0 ? Pick{8} : randomPick(random, 8);
        const Pick prime = random() % 2 == 0 ? Pick{8} : randomPick(random, 8);
        const std::size_t range = random() % 2;  // "大7~11" or "大6~11"
        const auto kills = [&](const Bet& bet) {
            const auto row = static_cast<std::size_t>(&bet - bets.data());
            return big.on[boxes.big[range][row]] || odd.on[boxes.odd[row]] ||
                   prime.on[boxes.prime[row]];
        };
        shapes.Op_dahao_fanwei.choose(range);
        if (round >= kFront3Cases) form.C_all_cls.press();  // the range stays
        const auto show = round < kFront3Cases ? tickPicked : clickPicked;
        show(shapes.Check_sha_daxiao, big);
        show(shapes.Check_sha_jiou, odd);
        show(shapes.Check_sha_zhihe, prime);
        const auto shown = [&] {
            return shapes.BigNumberList + " " + tickedIn(shapes.Check_sha_daxiao) +
                   tickedIn(shapes.Check_sha_jiou) + tickedIn(shapes.Check_sha_zhihe);
        };
        if (round < kFront3Cases) {
            ASSERT_TRUE(agrees(stage, kills)) << shown();
        } else {
            ASSERT_TRUE(runAgrees(kills)) << shown();
        }
    }
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

TEST_F(Front3PatternReferenceTest, PairPagesKillOrKeepTheBetsHoldingASelectedPair) {
    const front3::PairKillStage killStage(pages.C_sha2ma);
    const front3::PairKeepStage keepStage(pages.C_bichu2ma);
    for (const bool keep : {false, true}) {
        auto& array = keep ? pages.C_bichu2ma : pages.C_sha2ma;
        auto& clear = keep ? pages.C_bichu2ma_cls : pages.C_sha2ma_cls;
        const Front3Stage& stage = keep ? static_cast<const Front3Stage&>(keepStage) : killStage;
        const auto selected = keep ? kGreen : kYellow;
        for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
            const Pick pick = randomPick(random, 55);
            bool isPicked[12][12] = {};  // by smaller and larger number
            for (std::size_t i = 0; i < 55; ++i) {
                const auto [a, b] = pairOfButton(i);
                isPicked[a][b] = pick.on[i];
            }
            // Is one of the bet's three pairs selected, in any order?
            const auto kills = [&](const Bet& bet) {
                const auto pair = [&](int x, int y) {
                    return x < y ? isPicked[x][y] : isPicked[y][x];
                };
                const bool holdsOne = pair(bet.t[0], bet.t[1]) || pair(bet.t[0], bet.t[2]) ||
                                      pair(bet.t[1], bet.t[2]);
                return keep ? pick.any && !holdsOne : holdsOne;
            };
            if (round < kFront3Cases) {
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
    pages.C_bichu2ma_all.press();  // "全选": every bet holds some pair
    EXPECT_TRUE(runAgrees([](const Bet&) { return false; }));
}

}  // namespace
