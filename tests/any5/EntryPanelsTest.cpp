#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"

namespace {

using toolkit::palette::kCream;
using toolkit::palette::kYellow;

class EntryPanelsTest : public testsupport::Any5FormFixture {
protected:
    any5::GroupEntryPanels& entries = form.entries;
};

TEST_F(EntryPanelsTest, AddReplacesTheHintThenAppendsLines) {
    click(entries.C_main_sha_3ma, {"01", "05", "09"});
    entries.C_main_sha_3ma_add.press();
    EXPECT_EQ(entries.T_main_sha_3ma.text(), "01 05 09 ");
    EXPECT_EQ(entries.C_main_sha_3ma.countWithColour(kCream), 11u);

    click(entries.C_main_sha_3ma, {"04", "02", "03"});
    entries.C_main_sha_3ma_add.press();
    EXPECT_EQ(entries.T_main_sha_3ma.text(), "01 05 09 \r\n02 03 04 ");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(run().size(), 462u - 56u);
}

TEST_F(EntryPanelsTest, AddRefusesTheWrongCountAndChangesNothing) {
    click(entries.C_main_chu_3ma, {"01", "02"});
    entries.C_main_chu_3ma_add.press();
    click(entries.C_ding_sha_4ma, {"01", "02", "03"});
    entries.C_ding_sha_4ma_kg.press(2);
    click(entries.C_ding_sha_fushi, {"01", "02", "03", "04"});
    entries.C_ding_sha_fushi_kg.press(2);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0].text, "选择数字必须等于3个");
    EXPECT_EQ(messages()[1].text, "选择数字必须大于或等于4个");
    EXPECT_EQ(messages()[2].text, "选择数字不能少于5个");
    for (const auto& message : messages()) EXPECT_EQ(message.title, "出错了");
    EXPECT_EQ(entries.T_main_bichu_3ma.text(), any5::GroupEntryPanels::kTripleHint);
    EXPECT_EQ(entries.C_main_chu_3ma.countWithColour(toolkit::palette::kGreen), 2u);
    EXPECT_EQ(entries.C_ding_sha_4ma.countWithColour(kYellow), 3u);
}

TEST_F(EntryPanelsTest, PadAllThenAddWritesElevenNumbers) {
    entries.C_ding_sha_4ma_kg.press(0);
    EXPECT_EQ(entries.C_ding_sha_4ma.countWithColour(kYellow), 11u);
    entries.C_ding_sha_4ma_kg.press(2);
    EXPECT_EQ(entries.T_main_sha4ma.text(), "01 02 03 04 05 06 07 08 09 10 11 ");
    entries.C_ding_sha_fushi_kg.press(0);
    entries.C_ding_sha_fushi_kg.press(1);
    EXPECT_EQ(entries.C_ding_sha_fushi.countWithColour(kCream), 11u);
}

TEST_F(EntryPanelsTest, DoubleClickEmptiesABoxAndTheTimerShowsItBlack) {
    auto& box = entries.T_main_shazhixuan;
    entries.Timer_ys_huise.tick();
    EXPECT_EQ(box.textColour(), toolkit::palette::kHintGrey);
    box.doubleClick();
    EXPECT_EQ(box.text(), "");
    entries.Timer_ys_huise.tick();
    EXPECT_EQ(box.textColour(), toolkit::palette::kBlack);
    box.setText("01 02: 03");  // an ASCII colon greys too
    entries.Timer_ys_huise.tick();
    EXPECT_EQ(box.textColour(), toolkit::palette::kHintGrey);
    EXPECT_TRUE(entries.Timer_ys_huise.isEnabled());
    EXPECT_EQ(entries.Timer_ys_huise.intervalMs(), 500);
}

TEST_F(EntryPanelsTest, StartUpShowsEveryHintExactly) {
    EXPECT_EQ(entries.T_main_sha_3ma.text(),
              "输入格式标准：\r\n01 02 03\r\n02 05 08\r\n04 06 07\r\n双击清空\r\n");
    EXPECT_NE(entries.T_main_sha4ma.text().find("10 11    \r\n"), std::string::npos);
    EXPECT_NE(entries.T_main_sha4ma_by.text().find("10 11      \r\n"), std::string::npos);
    EXPECT_EQ(entries.T_sha_dadi.text(),
              "\r\n\r\n\r\n提示：\r\n不懂使用请点击\r\n【软件使用教程】\r\n");
    EXPECT_EQ(entries.T_ding_shadingwei.text(), "");
    EXPECT_FALSE(entries.Check_sha_dd.isTicked());
}

TEST_F(EntryPanelsTest, TabsShowOnePageAndChangeNoCondition) {
    EXPECT_EQ(form.tabs.shownPage(), 0u);
    EXPECT_EQ(form.tabs.C_sst_0[0].backColour(), toolkit::palette::kChosenTab);
    EXPECT_EQ(form.tabs.Frame_ding[3].left(), 120);
    EXPECT_EQ(form.tabs.Frame_ding[3].top(), 260);
    form.pairs.C_sha2ma.press(3);
    form.tabs.C_sst_0.press(3);
    EXPECT_EQ(form.tabs.shownPage(), 3u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(form.tabs.Frame_ding[i].isVisible(), i == 3);
        EXPECT_EQ(form.tabs.C_sst_0[i].backColour(),
                  i == 3 ? toolkit::palette::kChosenTab : toolkit::palette::kTabGrey);
    }
    EXPECT_EQ(form.pairs.C_sha2ma[3].backColour(), kYellow);
    EXPECT_EQ(form.tabs.C_sst_0[6].caption(), "定位杀号");
    EXPECT_EQ(form.tabs.Frame_ding[0].caption(), "杀直选复式/组选");
    EXPECT_EQ(form.pairs.C_sha2ma[10].caption(), "02\r\n03");
    EXPECT_EQ(form.pairs.C_chu2ma[54].caption(), "10\r\n11");
}

TEST_F(EntryPanelsTest, ClearAllRemovesEveryConditionAndKeepsTheRest) {
    auto& b = form.bankers;
    click(b.C_danma_chu, "05");
    click(form.shapes.C_sha_hezhi, "30");
    click(form.minMax.C_min, "03");
    click(form.counts.C_jishu_geshu, "2");
    click(form.shapes.C_sha_xingtai_01, "两连");
    form.pairs.C_chu2ma.press(5);
    entries.T_main_sha_3ma.setText("01 02 03");
    entries.T_ding_shadingwei.setText("* * * * *");
    entries.Check_sha_dd.setTicked(true);
    entries.T_sha_dadi.setText("01 02 03 04 05");
    click(entries.C_main_chu_3ma, "07");
    form.picker.C_benye_all.press(0);
    form.counts.Op_dahao_fanwei.choose(1);
    form.result.Check_out_douhao.setTicked(true);
    form.tabs.C_sst_0.press(4);
    run();
    const auto published = form.result.ResultText;

    form.C_all_cls.press();
    EXPECT_EQ(form.result.ResultText, published);
    EXPECT_EQ(entries.T_main_sha_3ma.text(), any5::GroupEntryPanels::kTripleHint);
    EXPECT_EQ(entries.T_main_sha4ma.text(), any5::GroupEntryPanels::kQuadHintCopy);
    EXPECT_EQ(form.ParityPatternList, "");
    EXPECT_FALSE(form.picker.Ch_jo[7].isTicked());
    EXPECT_TRUE(entries.Check_sha_dd.isTicked());
    EXPECT_TRUE(form.result.Check_out_douhao.isTicked());
    EXPECT_EQ(form.counts.Op_dahao_fanwei.chosen(), 1u);
    EXPECT_EQ(form.tabs.shownPage(), 4u);
    EXPECT_EQ(entries.C_main_chu_3ma.countWithColour(toolkit::palette::kGreen), 1u);
    EXPECT_EQ(run().size(), 462u);
    EXPECT_EQ(form.result.Li_out.items().front(), "01,02,03,04,05");
}

}  // namespace
