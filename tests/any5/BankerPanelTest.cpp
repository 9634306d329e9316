#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"

namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;

class BankerTest : public testsupport::Any5FormFixture {
protected:
    any5::BankerPanel& bankers = form.bankers;
};

TEST_F(BankerTest, FirstGroupReadsItsNumbersFromCaptionsNotIndexes) {
    EXPECT_EQ(bankers.C_danma_chu[0].caption(), "02");
    EXPECT_EQ(bankers.C_danma_chu[8].caption(), "10");
    EXPECT_EQ(bankers.C_danma_chu[9].caption(), "01");
    EXPECT_EQ(bankers.C_danma_chu[10].caption(), "11");
    EXPECT_EQ(bankers.C_danma_chu3[0].caption(), "01");
    EXPECT_EQ(bankers.C_danma_chu_geshu4[5].caption(), "5");

    bankers.C_danma_chu.press(9);
    const auto& bets = run();
    EXPECT_EQ(bets.size(), 210u);
    EXPECT_EQ(bets.front(), "01 02 03 04 05");
    EXPECT_EQ(bets.back(), "01 08 09 10 11");
}

TEST_F(BankerTest, FourBankersWithTwoOrThreeHits) {
    click(bankers.C_danma_chu, {"01", "02", "08", "09"});
    click(bankers.C_danma_chu_geshu, {"2", "3"});
    run();
    EXPECT_TRUE(survives("01 02 04 05 06"));
    EXPECT_TRUE(survives("01 02 04 05 08"));
    EXPECT_FALSE(survives("01 02 08 09 10"));
    EXPECT_FALSE(survives("03 04 05 06 07"));
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "294");  // 6*35 + 4*21
}

TEST_F(BankerTest, CountZeroKillsEveryBetWithABanker) {
    click(bankers.C_danma_chu, {"01", "02"});
    click(bankers.C_danma_chu_geshu, "0");
    EXPECT_EQ(run().size(), 126u);
    EXPECT_EQ(form.result.Li_out.items().front(), "03 04 05 06 07");
}

TEST_F(BankerTest, CountsWithoutBankersImposeNothing) {
    click(bankers.C_danma_chu_geshu, "0");
    click(bankers.C_danma_chu_geshu5, "0");
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(BankerTest, CountLeftAboveTheBankersKillsEverything) {
    click(bankers.C_danma_chu, {"01", "02", "03"});
    click(bankers.C_danma_chu_geshu, "3");
    click(bankers.C_danma_chu, "03");  // deselected later: the count is not re-checked
    EXPECT_EQ(bankers.C_danma_chu_geshu[3].backColour(), kGreen);
    EXPECT_TRUE(run().empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "温情提示");
}

TEST_F(BankerTest, GroupsCombineByIntersectionWhereverTheySit) {
    click(bankers.C_danma_chu2, {"01", "02"});
    click(bankers.C_danma_chu5, {"10", "11"});
    const int expected = testsupport::countBets([](const testsupport::Bet& b) {
        using testsupport::holds;
        return (holds(b, 1) || holds(b, 2)) && (holds(b, 10) || holds(b, 11));
    });
    EXPECT_EQ(expected, 231);
    EXPECT_EQ(run().size(), 231u);

    click(bankers.C_danma_chu2, {"01", "02"});
    click(bankers.C_danma_chu5, {"10", "11"});
    click(bankers.C_danma_chu3, "05");
    EXPECT_EQ(run().size(), 210u);
}

TEST_F(BankerTest, CountCheckRefusesMoreHitsThanBankers) {
    click(bankers.C_danma_chu, {"04", "07"});
    click(bankers.C_danma_chu_geshu, "3");
    EXPECT_EQ(bankers.C_danma_chu_geshu[3].backColour(), kCream);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "出胆个数不能大于选胆个数");
    EXPECT_EQ(messages()[0].title, "错误提示");

    click(bankers.C_danma_chu_geshu, {"2", "0"});
    EXPECT_EQ(bankers.C_danma_chu_geshu[2].backColour(), kGreen);
    EXPECT_EQ(bankers.C_danma_chu_geshu[0].backColour(), kGreen);
    click(bankers.C_danma_chu_geshu, "2");  // a green count always goes back to cream
    EXPECT_EQ(bankers.C_danma_chu_geshu[2].backColour(), kCream);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(BankerTest, SelectAllGreensEveryNumberAndFlipsEachCount) {
    click(bankers.C_danma_chu2, "06");
    click(bankers.C_danma_chu_geshu2, "1");
    bankers.C_danma_chu_all.press(1);
    EXPECT_EQ(bankers.C_danma_chu2.countWithColour(kGreen), 11u);
    EXPECT_EQ(bankers.C_danma_chu_geshu2[1].backColour(), kCream);
    for (std::size_t i : {0u, 2u, 3u, 4u, 5u}) {
        EXPECT_EQ(bankers.C_danma_chu_geshu2[i].backColour(), kGreen) << i;
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(bankers.C_danma_chu.countWithColour(kGreen), 0u);  // other groups untouched
}

TEST_F(BankerTest, ClearEmptiesOneGroupOnly) {
    click(bankers.C_danma_chu4, {"03", "09"});
    click(bankers.C_danma_chu_geshu4, "1");
    click(bankers.C_danma_chu, "05");
    bankers.C_danma_chu_cls4.press();
    EXPECT_EQ(bankers.C_danma_chu4.countWithColour(kCream), 11u);
    EXPECT_EQ(bankers.C_danma_chu_geshu4.countWithColour(kCream), 6u);
    EXPECT_EQ(bankers.C_danma_chu.countWithColour(kGreen), 1u);
}

}  // namespace
