#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"

namespace {

using testsupport::Bet;
using testsupport::countBets;
using testsupport::holds;

class ShapeTest : public testsupport::Any5FormFixture {
protected:
    any5::ShapePanels& shapes = form.shapes;
};

int sumOf(const Bet& b) {
    return b[0] + b[1] + b[2] + b[3] + b[4];
}

TEST_F(ShapeTest, NothingSelectedKillsNothing) {
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(ShapeTest, SumKillsExactlyThatSum) {
    click(shapes.C_sha_hezhi, "15");
    EXPECT_EQ(run().size(), 461u);
    EXPECT_FALSE(survives("01 02 03 04 05"));
    click(shapes.C_sha_hezhi, {"15", "45"});
    EXPECT_EQ(run().size(), 461u);
    EXPECT_FALSE(survives("07 08 09 10 11"));

    shapes.C_zuobian_sha_zhidinghezhi_all.press();
    EXPECT_TRUE(run().empty());
    shapes.C_zuobian_sha_zhidinghezhi_cls.press();
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(ShapeTest, SumTailKillsEverySumEndingInIt) {
    click(shapes.C_zuobian_sha_heiwei, "0");
    const int expected = countBets([](const Bet& b) { return sumOf(b) % 10 != 0; });
    EXPECT_EQ(static_cast<int>(run().size()), expected);
    for (const auto& bet : form.result.Li_out.items()) {
        int sum = 0;
        for (std::size_t i = 0; i < bet.size(); i += 3) sum += std::stoi(bet.substr(i, 2));
        ASSERT_NE(sum % 10, 0) << bet;
    }
}

TEST_F(ShapeTest, SpanFourIsTheSevenRunsAndSpanTenTheWrapPair) {
    click(shapes.C_kuadu_sha, "4");
    EXPECT_EQ(run().size(), 455u);
    EXPECT_FALSE(survives("07 08 09 10 11"));
    click(shapes.C_kuadu_sha, {"4", "10"});
    EXPECT_EQ(run().size(), 462u - 84u);
    EXPECT_FALSE(survives("01 05 06 07 11"));
}

TEST_F(ShapeTest, KillNumbersLeaveBetsWithoutThem) {
    click(shapes.C_tsm_sha, {"01", "02"});
    EXPECT_EQ(run().size(), 126u);
    shapes.C_bdw_chu_cls.press();
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(ShapeTest, SpacingPatternKillsOnlyBetsStartingWithThoseGaps) {
    click(shapes.C_jiange, "05");
    EXPECT_EQ(run().size(), 462u);  // one number has no gap

    click(shapes.C_jiange, {"01", "02", "06", "08"});  // 01 02 05 06 08: gaps 1 3 1 2
    const auto& bets = run();
    EXPECT_EQ(bets.size(), 458u);
    for (const char* killed :
         {"01 02 05 06 08", "02 03 06 07 09", "03 04 07 08 10", "04 05 08 09 11"}) {
        EXPECT_FALSE(survives(killed)) << killed;
    }

    shapes.C_jianju_cls.press();
    click(shapes.C_jiange, {"03", "05"});
    const int expected = countBets([](const Bet& b) { return b[1] - b[0] != 2; });
    EXPECT_EQ(static_cast<int>(run().size()), expected);
}

TEST_F(ShapeTest, SpacingRefusesASixthNumber) {
    click(shapes.C_jiange, {"01", "03", "04", "07", "09"});
    click(shapes.C_jiange, "11");
    EXPECT_EQ(shapes.C_jiange[10].backColour(), toolkit::palette::kCream);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "选取个数不能超过5个，应该2~5个");
    EXPECT_EQ(messages()[0].title, "错误提示");
    click(shapes.C_jiange, "04");
    EXPECT_EQ(shapes.C_jiange.countWithColour(toolkit::palette::kYellow), 4u);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(ShapeTest, NoRunKillsBetsWithoutNeighboursCountingElevenAndOne) {
    click(shapes.C_sha_xingtai_01, "不连");
    run();
    EXPECT_TRUE(survives("01 03 05 07 11"));
    EXPECT_FALSE(survives("01 03 05 07 09"));
    // Five of eleven numbers on a circle with no two neighbours: 11/6 * C(6,5).
    EXPECT_EQ(form.result.Li_out.size(), 462u - 11u);

    click(shapes.C_sha_xingtai_01, {"不连", "两连"});
    EXPECT_EQ(run().size(), 11u);
    EXPECT_TRUE(survives("01 03 05 07 09"));
    click(shapes.C_sha_xingtai_01, "不连");
    EXPECT_TRUE(run().empty());
}

TEST_F(ShapeTest, TwoPairsCountTheWrapPairAsOne) {
    click(shapes.C_sha_xingtai_01, "两个两连");
    run();
    EXPECT_FALSE(survives("01 02 05 07 11"));
    EXPECT_TRUE(survives("01 03 05 07 11"));
    EXPECT_TRUE(survives("01 02 04 06 08"));
}

TEST_F(ShapeTest, LongRunsThroughElevenAndOneCountOnlyWhereTheRulesSay) {
    click(shapes.C_sha_xingtai_01, "三连");
    run();
    EXPECT_FALSE(survives("01 04 06 10 11"));  // 10 11 01
    EXPECT_FALSE(survives("01 02 04 06 11"));  // 11 01 02
    EXPECT_TRUE(survives("01 03 05 08 11"));

    click(shapes.C_sha_xingtai_01, {"三连", "四连"});
    run();
    EXPECT_TRUE(survives("01 02 05 10 11"));
    EXPECT_FALSE(survives("01 02 03 10 11"));  // 11 01 02 03
    EXPECT_FALSE(survives("01 05 09 10 11"));  // 09 10 11 01

    click(shapes.C_sha_xingtai_01, {"四连", "五连"});
    run();
    EXPECT_FALSE(survives("01 02 03 04 11"));
    EXPECT_FALSE(survives("01 08 09 10 11"));
    EXPECT_TRUE(survives("01 02 03 10 11"));
    EXPECT_EQ(form.result.Li_out.size(), 462u - 7u - 2u);
}

}  // namespace
