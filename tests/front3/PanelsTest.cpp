#include <gtest/gtest.h>

#include "tests/front3/Front3FormFixture.h"

namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

class Front3PanelsTest : public testsupport::Front3FormFixture {};

TEST_F(Front3PanelsTest, StartsWithPageZeroTheHintAndTheDefaultRange) {
    EXPECT_EQ(form.title(), "11选5Quorvel 前三版 2014.10.30");
    EXPECT_EQ(form.tabs.shownPage(), 0u);
    EXPECT_EQ(form.pages.T_main_shazhixuan.text(),
              "输入格式标准：\r\n**  **  **\r\n**  **  **\r\n**  **  **\r\n**  **  **\r\n");
    EXPECT_EQ(form.pages.T_main_laji_fushi.text(), "");
    EXPECT_EQ(form.shapes.BigNumberList, "07.08.09.10.11");
    EXPECT_EQ(form.pages.C_sha2ma[10].caption(), "02\r\n03");
    EXPECT_EQ(form.pages.C_bichu2ma[54].caption(), "10\r\n11");
    EXPECT_EQ(form.pages.Check_sha_012[5].caption(), "012");
    EXPECT_EQ(form.pages.Check_sha_012[26].caption(), "222");
    EXPECT_FALSE(form.result.Frame_jindu.isVisible());
}

TEST_F(Front3PanelsTest, TabsShowOnePage) {
    form.tabs.C_sst_0.press(3);
    EXPECT_EQ(form.tabs.shownPage(), 3u);
    EXPECT_EQ(form.tabs.Frame_ding[3].caption(), "必出两码");
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(form.tabs.C_sst_0[i].backColour(),
                  i == 3 ? toolkit::palette::kChosenTab : toolkit::palette::kTabGrey);
    }
}

TEST_F(Front3PanelsTest, BankerCountsAreCheckedAgainstTheNumbers) {
    auto& numbers = form.numbers;
    click(numbers.C_danma_chu, "04");
    click(numbers.C_danma_chu, "09");
    click(numbers.C_danma_chu_geshu, "3");
    EXPECT_EQ(numbers.C_danma_chu_geshu[3].backColour(), kCream);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "出胆个数不能大于选胆个数");
    EXPECT_EQ(messages()[0].title, "错误提示");
    click(numbers.C_danma_chu_geshu, "2");
    click(numbers.C_danma_chu_geshu, "0");
    EXPECT_EQ(numbers.C_danma_chu_geshu.countWithColour(kGreen), 2u);
    click(numbers.C_tsm_sha, "07");
    click(numbers.C_tsm_sha, "07");
    EXPECT_EQ(numbers.C_tsm_sha[6].backColour(), kCream);
}

TEST_F(Front3PanelsTest, TheBuilderWritesOneCompoundLinePerAdd) {
    auto& pages = form.pages;
    click(pages.C_laji_sha, "01");
    click(pages.C_laji_sha, "02");
    click(pages.C_laji_sha, "05", 11);
    click(pages.C_laji_sha, "07", 22);
    pages.C_laji_add.press();
    EXPECT_EQ(pages.T_main_laji_fushi.text(), "01 02 *05 *07 ");
    EXPECT_EQ(pages.C_laji_sha.countWithColour(kYellow), 0u);

    pages.C_laji_all.press(1);
    EXPECT_EQ(pages.C_laji_sha.countWithColour(kYellow), 11u);
    EXPECT_EQ(pages.C_laji_sha[11].backColour(), kYellow);
    EXPECT_EQ(pages.C_laji_sha[10].backColour(), kCream);
    click(pages.C_laji_sha, "03");
    pages.C_laji_add.press();  // row three empty: nothing happens
    EXPECT_EQ(pages.T_main_laji_fushi.text(), "01 02 *05 *07 ");
    click(pages.C_laji_sha, "11", 22);
    pages.C_laji_add.press();
    EXPECT_EQ(pages.T_main_laji_fushi.text(),
              "01 02 *05 *07 \r\n03 *01 02 03 04 05 06 07 08 09 10 11 *11 ");
    EXPECT_TRUE(messages().empty());
    pages.T_main_laji_fushi.doubleClick();
    EXPECT_EQ(pages.T_main_laji_fushi.text(), "");
}

TEST_F(Front3PanelsTest, ClearAllBringsBackAllBetsAndKeepsTheRest) {
    form.pages.T_main_shazhixuan.setText("01 02 03");
    form.pages.T_main_laji_fushi.setText("01 *02 *03");
    form.pages.C_sha2ma.press(4);
    form.pages.C_012.press(0);
    click(form.numbers.C_kuadu_sha, "5");
    click(form.numbers.C_danma_chu2, "06");
    form.numbers.C_dingwei_sha.press(30);
    click(form.shapes.C_hezhi, "18");
    click(form.shapes.C_jishu_geshu, "1");
    click(form.shapes.C_sha_xingtai_01, "凸形");
    form.shapes.Command8.press();
    form.shapes.Op_dahao_fanwei.choose(1);
    form.tabs.C_sst_0.press(2);
    form.C_all_cls.press();
    EXPECT_EQ(form.pages.T_main_shazhixuan.text(), front3::EntryPages::kDirectHint);
    EXPECT_EQ(run().size(), 990u);
    EXPECT_EQ(form.shapes.BigNumberList, "06.07.08.09.10.11");
    EXPECT_EQ(form.tabs.shownPage(), 2u);
}

TEST_F(Front3PanelsTest, HelpButtonsShowTheirTexts) {
    form.C_danma_shuoming.press();
    form.L_lianma.click();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].title, "胆码提示说明");
    EXPECT_EQ(messages()[0].text.rfind("建议新手:胆码输入一行就可以了，不要输入多行胆码", 0), 0u);
    EXPECT_NE(messages()[0].text.find("\r\n" + std::string(60, '-') + "\r\n"), std::string::npos);
    EXPECT_NE(messages()[0].text.find("少于2、3个算错\r\n\r\n如不懂使用请点击【软件使用教程】"),
              std::string::npos);
    EXPECT_EQ(messages()[1].title, "提示说明");
    EXPECT_EQ(messages()[1].text.substr(0, 4), " 11 ");
    EXPECT_NE(messages()[1].text.find("【凹形】百>十<个的号码算凹形，如03 01 02\r\n"),
              std::string::npos);
}

TEST_F(Front3PanelsTest, TheSiblingAndTheLinksOfTheFront3Window) {
    form.environment = {"/opt/q", {"r", "t", "d", "tips"}};
    host.failStartProgram(true);
    form.C11xuan5_r5.press();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "文件丢失-quorvel_any5");
    EXPECT_EQ(host.callsOf(toolkit::HeadlessHost::Kind::StartProgram)[0].text,
              "/opt/q/quorvel_any5");
    host.failOpenUrl(true);
    form.Command1.press();
    form.C_suoshuiwang.press();
    form.C_guanwang.press();
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[1].text, "出现错误，未能打开页面");
    EXPECT_EQ(messages()[2].text, "出现错误，未能打开下载页面");
    EXPECT_EQ(messages()[3].text, "出现错误，未能打开下载页面");
    const auto pages = host.callsOf(toolkit::HeadlessHost::Kind::OpenUrl);
    EXPECT_EQ(pages[0].text, "d");
    EXPECT_EQ(pages[1].text, "r");
    EXPECT_EQ(pages[2].text, "t");
    EXPECT_EQ(pages[3].text, "d");
}

}  // namespace
