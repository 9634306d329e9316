#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"

namespace {

using toolkit::palette::kGreen;

class MinMaxTest : public testsupport::Any5FormFixture {
protected:
    any5::MinMaxPanel& minMax = form.minMax;
};

TEST_F(MinMaxTest, SmallestOneKeepsTheBetsHoldingOne) {
    click(minMax.C_min, "01");
    EXPECT_EQ(run().size(), 210u);
    click(minMax.C_max, "05");
    EXPECT_EQ(run(), std::vector<std::string>{"01 02 03 04 05"});
    EXPECT_TRUE(messages().empty());
}

TEST_F(MinMaxTest, AnImpossibleChoiceIsFlaggedButStands) {
    click(minMax.C_min, "07");
    EXPECT_TRUE(messages().empty());
    click(minMax.C_max, "10");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "刚刚你点的条件，会导致过滤结果为0注，请检查!");
    EXPECT_EQ(messages()[0].title, "出错提示");
    EXPECT_EQ(minMax.C_min[6].backColour(), kGreen);
    EXPECT_EQ(minMax.C_max[5].backColour(), kGreen);

    click(minMax.C_max, "11");  // 07 with 11 or 10: 07 08 09 10 11 is possible
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(run(), std::vector<std::string>{"07 08 09 10 11"});

    click(minMax.C_max, "11");  // back to 07 with 10 alone
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_TRUE(run().empty());
}

TEST_F(MinMaxTest, TheCheckLeavesTheLastRunAlone) {
    click(form.shapes.C_tsm_sha, "01");
    run();
    const auto published = form.result.ResultText;
    click(minMax.C_min, "07");
    click(minMax.C_max, "05");
    EXPECT_EQ(form.result.ResultText, published);
    EXPECT_EQ(form.result.Li_out.size(), 252u);
    EXPECT_TRUE(form.table.isKilled(1));  // the candidate table keeps the run's flags
    EXPECT_FALSE(form.table.isKilled(462));
}

class CountTest : public testsupport::Any5FormFixture {
protected:
    any5::CountPanel& counts = form.counts;
};

TEST_F(CountTest, OddCountsAreAlternatives) {
    click(counts.C_jishu_geshu, "5");
    EXPECT_EQ(run().size(), 6u);
    click(counts.C_jishu_geshu, "0");
    EXPECT_EQ(run().size(), 7u);
    EXPECT_TRUE(survives("02 04 06 08 10"));
    EXPECT_TRUE(survives("01 03 05 07 09"));
}

TEST_F(CountTest, BigRangeIsReadWhenTheRunReachesTheStage) {
    EXPECT_EQ(counts.Op_dahao_fanwei.chosen(), 0u);
    EXPECT_EQ(counts.BigNumberList, "07.08.09.10.11");
    click(counts.C_dahao_geshu, "0");
    EXPECT_EQ(run().size(), 6u);
    counts.Op_dahao_fanwei.choose(1);
    EXPECT_EQ(counts.BigNumberList, "06.07.08.09.10.11");
    EXPECT_EQ(run(), std::vector<std::string>{"01 02 03 04 05"});
    counts.Op_dahao_fanwei.choose(0);
    EXPECT_EQ(run().size(), 6u);
}

TEST_F(CountTest, OneAndElevenArePrime) {
    click(counts.C_zhihe_geshu, "0");
    EXPECT_EQ(run(), std::vector<std::string>{"04 06 08 09 10"});
    click(counts.C_zhihe_geshu, {"0", "5"});
    EXPECT_EQ(run().size(), 6u);  // five of 01 02 03 05 07 11
    EXPECT_TRUE(survives("01 02 03 05 11"));
}

TEST_F(CountTest, KindsCombineByIntersection) {
    click(counts.C_jishu_geshu, "3");
    click(counts.C_dahao_geshu, "2");
    click(counts.C_zhihe_geshu, "2");
    const int expected = testsupport::countBets([](const testsupport::Bet& b) {
        int odd = 0, big = 0, prime = 0;
        for (int n : b) {
            odd += n % 2;
            big += n >= 7 ? 1 : 0;
            prime += (n == 1 || n == 2 || n == 3 || n == 5 || n == 7 || n == 11) ? 1 : 0;
        }
        return odd == 3 && big == 2 && prime == 2;
    });
    EXPECT_GT(expected, 0);
    EXPECT_EQ(static_cast<int>(run().size()), expected);
}

}  // namespace
