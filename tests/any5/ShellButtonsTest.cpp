#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"

namespace {

using toolkit::HeadlessHost;

class ShellButtonsTest : public testsupport::Any5FormFixture {
protected:
    ShellButtonsTest() {
        form.links.environment = {"/opt/quorvel/bin",
                                  {"file:///rules.html", "file:///tutorial.html",
                                   "file:///download.html", "file:///tips.html"}};
    }
    any5::ShellButtons& links = form.links;
};

TEST_F(ShellButtonsTest, HelpButtonsShowTheirTitledTexts) {
    for (std::size_t i = 0; i < 4; ++i) links.C_shuomingshu.press(i);
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[0].title, "胆码提示说明");
    EXPECT_NE(messages()[0].text.find("\r\n" + std::string(60, '-') + "\r\n"), std::string::npos);
    EXPECT_NE(messages()[0].text.find("都算错\r\n\r\n如不懂使用请点击【软件使用教程】"),
              std::string::npos);
    EXPECT_EQ(messages()[1].title, "最小最大号说明");
    EXPECT_EQ(messages()[1].text,
              "最小号码是指开奖号码中最小的那个，最大号码是指开奖号码中最大的那个。\r\n"
              "最小号与最大号可以多选，但最大号减去最小号必须≥4");
    EXPECT_EQ(messages()[2].title, "间距说明");
    EXPECT_EQ(messages()[2].text, links.T_jianju_by.text());
    EXPECT_NE(messages()[2].text.find("01 02 05 06 08"), std::string::npos);
    EXPECT_EQ(messages()[3].title, "连码说明");
    EXPECT_EQ(messages()[3].text.rfind("11 01算连号，", 0), 0u);
}

TEST_F(ShellButtonsTest, HoverHighlightsOneHelpButtonUntilTheWindowSurface) {
    links.C_shuomingshu[2].mouseMove();
    EXPECT_EQ(links.C_shuomingshu[2].backColour(), 0xFF0000u);
    EXPECT_EQ(links.C_shuomingshu[0].backColour(), 0xE0E0E0u);
    links.C_shuomingshu[0].mouseMove();
    EXPECT_EQ(links.C_shuomingshu[2].backColour(), 0xE0E0E0u);
    form.L_shahao_jiqiao.mouseMove();
    EXPECT_TRUE(form.L_shahao_jiqiao.isUnderlined());
    EXPECT_EQ(form.L_shahao_jiqiao.textColour(), 0xFF0000u);
    form.hoverSurface();
    EXPECT_FALSE(form.L_shahao_jiqiao.isUnderlined());
    EXPECT_EQ(form.L_shahao_jiqiao.textColour(), 0x000000u);
    EXPECT_EQ(links.C_shuomingshu.countWithColour(0xE0E0E0), 4u);
    EXPECT_EQ(links.C_suoshui_ruanjian.backColour(), 0xE0E0E0u);
}

TEST_F(ShellButtonsTest, TheSiblingStartsFromTheProgramFolder) {
    links.C11xuan5_r3.press();
    links.C11xuan5_r3.press();  // nothing prevents a second one
    const auto starts = host.callsOf(HeadlessHost::Kind::StartProgram);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].text, "/opt/quorvel/bin/quorvel_front3");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ShellButtonsTest, AMissingSiblingIsToldAndTheDownloadPageOpens) {
    host.failStartProgram(true);
    links.C11xuan5_r3.press();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "文件丢失-/quorvel_front3");
    EXPECT_EQ(messages()[0].title, "友情提示");
    const auto pages = host.callsOf(HeadlessHost::Kind::OpenUrl);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].text, "file:///download.html");

    host.failOpenUrl(true);
    links.C11xuan5_r3.press();
    EXPECT_EQ(messages().back().text, "出现错误，未能打开页面");
    EXPECT_EQ(messages().back().title, "提示");
}

TEST_F(ShellButtonsTest, LinkButtonsOpenTheirPagesOrSaySoTitledHint) {
    links.C_suoshui_ruanjian.press();
    links.C_jiaocheng.press();
    const auto pages = host.callsOf(HeadlessHost::Kind::OpenUrl);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].text, "file:///rules.html");
    EXPECT_EQ(pages[1].text, "file:///tutorial.html");
    host.failOpenUrl(true);
    links.C_suoshui_ruanjian.press();
    links.C_jiaocheng.press();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "出现错误，未能打开页面");
    EXPECT_EQ(messages()[1].text, "出现错误，未能打开下载页面");
}

}  // namespace
