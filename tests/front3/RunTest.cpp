#include <gtest/gtest.h>

#include "tests/front3/Front3FormFixture.h"

namespace {

class Front3RunTest : public testsupport::Front3FormFixture {};

TEST_F(Front3RunTest, NoConditionPublishesAll990InRowOrder) {
    const auto& bets = run();
    ASSERT_EQ(bets.size(), 990u);
    EXPECT_EQ(bets[0], "01 02 03");
    EXPECT_EQ(bets[9], "01 03 02");
    EXPECT_EQ(bets[989], "11 10 09");
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "990");
    form.result.Check_out_douhao.setTicked(true);
    EXPECT_EQ(run().front(), "01,02,03");
    EXPECT_EQ(form.result.Check_out_douhao.caption(), "号码间逗号隔开");
    EXPECT_EQ(form.result.C_copy.caption(), "复制过滤结果");
}

TEST_F(Front3RunTest, NothingLeftIsShownWithoutAMessage) {
    form.numbers.C_tsm_sha.press(0);
    form.numbers.C_dingwei_sha.press(1);  // 02 first
    form.pages.C_bichu2ma.press(0);       // must hold 01 and 02, but 01 is killed
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "0");
    EXPECT_EQ(form.result.T_dd_by.text(), "");
    EXPECT_TRUE(messages().empty());
}

TEST_F(Front3RunTest, GroupConversionListsEachSetOnceAndTheNextRunIsDirectAgain) {
    const auto& groups = group();
    ASSERT_EQ(groups.size(), 165u);
    EXPECT_EQ(groups.front(), "01 02 03");
    EXPECT_EQ(groups.back(), "09 10 11");
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "165");
    EXPECT_EQ(group().size(), 165u);  // twice in a row: the same list
    // Every count speaks of groups while groups are listed.
    EXPECT_EQ(form.result.L_jine.caption(), "165 组，330 元");
    form.tongji.refreshIfChanged();
    EXPECT_EQ(form.tongji.totals(), "共 165 组，剩 165 组");

    form.pages.T_main_shazhixuan.setText("03 02 01");
    run();
    EXPECT_EQ(form.result.Li_out.size(), 989u);
    EXPECT_EQ(form.result.Li_out.items()[189 - 1], "03 01 11");  // row 189 stays in position order
    form.tongji.refreshIfChanged();
    EXPECT_EQ(form.tongji.totals(), "共 990 注，剩 989 注");
}

TEST_F(Front3RunTest, OnlyOneArrangementLeftGroupsToItsSortedSet) {
    // Kill everything but 03 02 01: positions one, two and three must be 03, 02, 01.
    for (std::size_t i = 0; i < 33; ++i) form.numbers.C_dingwei_sha.press(i);
    testsupport::Front3FormFixture::click(form.numbers.C_dingwei_sha, "03");
    testsupport::Front3FormFixture::click(form.numbers.C_dingwei_sha, "02", 11);
    testsupport::Front3FormFixture::click(form.numbers.C_dingwei_sha, "01", 22);
    EXPECT_EQ(run(), std::vector<std::string>{"03 02 01"});
    EXPECT_EQ(group(), std::vector<std::string>{"01 02 03"});
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "1");
    EXPECT_EQ(form.result.ResultText, "01 02 03");
}

TEST_F(Front3RunTest, ASecondConversionPressDuringTheRunIsIgnored) {
    int presses = 0;
    host.setOnYield([&] {
        if (presses++ == 10) form.C_guolv_zhuan_zuxuan.press();
    });
    group();
    EXPECT_EQ(host.yieldCount(), 990);  // one generation only
    EXPECT_EQ(form.result.Li_out.size(), 165u);
    EXPECT_TRUE(form.result.C_guolv_ks.isEnabled());
}

TEST_F(Front3RunTest, CopyTakesTheLastPublicationDirectOrGroup) {
    group();
    form.result.C_copy.press();
    EXPECT_EQ(host.clipboard().substr(0, 10), "01 02 03\r\n");
    EXPECT_EQ(host.clipboard().size(), 165u * 8 + 164u * 2);
}

}  // namespace
