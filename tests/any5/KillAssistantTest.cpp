#include <gtest/gtest.h>

#include "any5/assistant/ColdBankers.h"
#include "tests/any5/Any5FormFixture.h"

namespace {

using any5::assistant::deriveColdBankers;
using toolkit::palette::kCream;
using toolkit::palette::kGreen;

TEST(ColdBankers, NeverDrawnFirstThenOldestLastAppearances) {
    struct Case {
        const char* name;
        std::array<std::string, 5> history;
        const char* bankers;
    };
    const Case cases[] = {
        {"oldest last appearances first",
         {"01 02 03 04 05", "06 07 08 01 02", "09 10 03 04 06", "11 01 02 05 07", "08 09 10 11 03"},
         "11 09 10"},
        {"never-drawn lead, ascending",
         {"01 02 03 04 05", "01 02 03 04 06", "01 02 03 04 07", "01 02 03 04 08", "01 02 03 04 09"},
         "10 11 09"},
        // Draws 2..5 add only 06 and 07; 08..11 were never drawn.
        {"never-drawn make up for too few older ones",
         {"01 02 03 04 05", "01 02 03 04 06", "01 02 03 05 06", "07 02 03 04 05", "01 02 03 04 05"},
         "08 09 10"},
        // Box 0 short of five different numbers: ten others are seen, yet 11 never was.
        {"box 0 with four numbers",
         {"01 02 03 04", "05 06 07 01 02", "08 09 10 03 04", "01 02 03 04 05", "01 02 03 04 06"},
         "11 08 09"},
        {"box 0 with a number twice",
         {"01 01 02 03 04", "05 06 07 01 02", "08 09 10 03 04", "01 02 03 04 05", "01 02 03 04 06"},
         "11 08 09"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = deriveColdBankers(c.history);
        ASSERT_TRUE(result.ok()) << result.errorText;
        EXPECT_EQ(result.bankers, c.bankers);
    }
}

TEST(ColdBankers, FewerThanThreeCandidatesInAllIsAnError) {
    // Odd tokens: only "a", "b" are new and every number 01..11 is in the
    // seen text, so nothing is never-drawn.
    const auto result = deriveColdBankers({"01 02 03 04 05 06 07 08 09 10 11", "01 02 03 a 04",
                                           "01 02 03 04 05", "b 01 02 03 04", "01 02 03 04 05"});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.errorText, "经过软件计算，出现未知逻辑错误，可能由开奖号码引起");
    EXPECT_EQ(result.errorTitle, "错误提示");
}

TEST(ColdBankers, IncompleteOrMalformedHistoriesAreNamed) {
    EXPECT_EQ(deriveColdBankers({"01 02 03 04 05", "  ", "a", "b", "c"}).errorText,
              "5期开奖号码不齐全");
    EXPECT_EQ(deriveColdBankers({"01 02 03 04", "01 02 03 04 05", "01 02  03 04",
                                 "01 02 03 04 05 06", "01 02 03 04 05"})
                  .errorText,
              "第4期开奖号格式有误");  // box 2's doubled blank makes five tokens
}

class KillAssistantTest : public testsupport::Any5FormFixture {
protected:
    KillAssistantTest() { form.L_shahao_jiqiao.click(); }
    void pad(std::initializer_list<const char*> numbers) {
        int row = 0;
        for (const char* n : numbers) click(assistant.padRow(row++), n);
    }
    any5::assistant::KillAssistant& assistant = form.shahao;
};

TEST_F(KillAssistantTest, ThePadKeepsOneNumberPerRow) {
    EXPECT_TRUE(assistant.isLoaded());
    EXPECT_EQ(assistant.title(), "杀号管理界面");
    click(assistant.C_dingwei_qw, "07");
    click(assistant.C_dingwei_qw, "09");
    EXPECT_EQ(assistant.C_dingwei_qw.countWithColour(kGreen), 1u);
    EXPECT_EQ(assistant.C_dingwei_qw[8].backColour(), kGreen);
}

TEST_F(KillAssistantTest, RecognitionNeedsFiveDifferentNumbers) {
    pad({"01", "02", "03", "04"});
    assistant.C_shahao_queren.press(0);
    pad({"01", "02", "01", "04", "05"});
    assistant.C_shahao_queren.press(0);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "请每个位置选择一个号码");
    EXPECT_EQ(messages()[0].title, "号码不全");
    EXPECT_EQ(messages()[1].text, "5个位置输入有重复，请检查");
    EXPECT_EQ(messages()[1].title, "号码重复");
    EXPECT_FALSE(assistant.F_shahao_xiala.isVisible());
    click(assistant.C_dingwei_bw, "03");
    assistant.C_shahao_queren.press(0);
    EXPECT_TRUE(assistant.F_shahao_xiala.isVisible());
}

TEST_F(KillAssistantTest, PeriodChoiceAndConfirmFillTheHistory) {
    assistant.C_shahao_gengxin.press(0);
    EXPECT_EQ(messages().at(0).text, "最近1期开奖号空白，无法更新");
    EXPECT_EQ(assistant.C_shahao_gengxin.countWithColour(kGreen), 0u);
    assistant.C_shahao_queren.press(1);
    EXPECT_EQ(messages().at(1).text, "请选择要更新的具体内容");

    pad({"11", "03", "07", "01", "09"});
    assistant.C_shahao_queren.press(0);
    assistant.C_shahao_gengxin.press(3);
    assistant.C_shahao_gengxin.press(3);  // clicked again: no choice
    EXPECT_EQ(assistant.C_shahao_gengxin.countWithColour(kGreen), 0u);
    assistant.C_shahao_gengxin.press(3);
    assistant.T_zuijin_kjh[2].setText("  ");
    assistant.C_shahao_queren.press(1);
    EXPECT_EQ(assistant.T_zuijin_kjh[2].text(), "11 03 07 01 09");  // drawing order kept
    EXPECT_FALSE(assistant.F_shahao_xiala.isVisible());
    for (int row = 0; row < 5; ++row) EXPECT_EQ(assistant.padRow(row).countWithColour(kCream), 11u);

    pad({"01", "02", "03", "04", "05"});
    assistant.C_shahao_queren.press(0);
    assistant.C_shahao_gengxin.press(3);
    assistant.C_shahao_queren.press(1);
    EXPECT_EQ(messages().back().text, "方框内已有号码，请确认后清除方框内的号码再输入");
    EXPECT_TRUE(assistant.F_shahao_xiala.isVisible());
    EXPECT_EQ(assistant.C_shahao_gengxin[3].backColour(), kGreen);
    assistant.C_shahao_tuichu.press();
    EXPECT_EQ(assistant.C_shahao_gengxin.countWithColour(kGreen), 0u);
    EXPECT_EQ(assistant.C_dingwei_ww[0].backColour(), kGreen);  // the pad stays
}

TEST_F(KillAssistantTest, ANewDrawShiftsTheHistory) {
    for (std::size_t box = 0; box < 5; ++box)
        assistant.T_zuijin_kjh[box].setText("D" + std::to_string(box + 1));
    pad({"01", "05", "09", "02", "11"});
    assistant.C_shahao_queren.press(0);
    assistant.C_shahao_gengxin.press(0);
    assistant.C_shahao_queren.press(1);
    EXPECT_EQ(assistant.T_zuijin_kjh[0].text(), "01 05 09 02 11");
    EXPECT_EQ(assistant.T_zuijin_kjh[1].text(), "D1");
    EXPECT_EQ(assistant.T_zuijin_kjh[4].text(), "D4");
}

TEST_F(KillAssistantTest, MoveUpAndDoubleClick) {
    assistant.T_zuijin_kjh[1].setText("A");
    assistant.T_zuijin_kjh[2].setText("B");
    assistant.T_zuijin_kjh[3].setText("C");
    assistant.C_haoma_shangyi.press(1);
    EXPECT_EQ(assistant.T_zuijin_kjh[1].text(), "");
    EXPECT_EQ(assistant.T_zuijin_kjh[2].text(), "A");
    EXPECT_EQ(assistant.T_zuijin_kjh[3].text(), "C");
    assistant.T_zuijin_kjh[5].setText("11 09 10");
    assistant.T_zuijin_kjh[5].doubleClick();
    assistant.T_zuijin_kjh[3].doubleClick();
    EXPECT_EQ(assistant.T_zuijin_kjh[5].text(), "11 09 10");
    EXPECT_EQ(assistant.T_zuijin_kjh[3].text(), "");
}

TEST_F(KillAssistantTest, DerivingPresetsBankersAndKillPairsOnTheMainWindow) {
    click(form.bankers.C_danma_chu, "05");
    const char* history[] = {"01 02 03 04 05", "06 07 08 01 02", "09 10 03 04 06", "11 01 02 05 07",
                             "08 09 10 11 03"};
    for (std::size_t box = 0; box < 5; ++box) assistant.T_zuijin_kjh[box].setText(history[box]);
    assistant.C_shahao_sandan.press();
    assistant.C_shahao_sandan.press();
    EXPECT_EQ(assistant.T_zuijin_kjh[5].text(), "11 09 10");
    EXPECT_EQ(messages().back().text, "选号成功，请点击首页<开始缩水>");
    EXPECT_EQ(form.bankers.C_danma_chu.countWithColour(kGreen), 4u);  // 05 kept
    EXPECT_EQ(form.pairs.C_sha2ma.countWithColour(toolkit::palette::kYellow), 3u);
    EXPECT_EQ(form.pairs.C_sha2ma[54].backColour(), toolkit::palette::kYellow);  // 10 11
    run();
    EXPECT_FALSE(survives("01 05 09 10 11"));  // holds the killed pair 09 10
}

TEST_F(KillAssistantTest, ConfirmButtonsLightUpTogetherUnderThePointer) {
    EXPECT_EQ(assistant.C_shahao_queren[0].backColour(), 0xE0E0E0u);
    assistant.C_shahao_queren[1].mouseMove();
    EXPECT_EQ(assistant.C_shahao_queren.countWithColour(kGreen), 2u);
    assistant.hoverSurface();
    EXPECT_EQ(assistant.C_shahao_queren.countWithColour(0xFFFFFF), 2u);
}

TEST_F(KillAssistantTest, DocksAgainstTheMainWindow) {
    form.setGeometry(10, 20, 1300, 700);
    assistant.Timer1.tick();
    EXPECT_EQ(assistant.left(), 1310);
    EXPECT_EQ(assistant.top(), 20);
    form.L_shahao_jiqiao.click();  // shown again: brought forward, contents kept
    EXPECT_TRUE(assistant.isLoaded());
    assistant.C_shahao_jiqiao.press();
    EXPECT_EQ(host.callsOf(toolkit::HeadlessHost::Kind::OpenUrl).size(), 1u);
}

TEST_F(KillAssistantTest, OnAScreenWithoutRoomBesideTheMainWindowItStaysOnScreen) {
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 1366, 728}; });
    assistant.setFrameSizeSource([] { return toolkit::Window::Size{449, 540}; });
    form.setGeometry(17, 6, 1331, 715);
    assistant.Timer1.tick();
    EXPECT_EQ(assistant.left(), 0);
    EXPECT_EQ(assistant.top(), 6);
    // The main window dragged right: room on its left, so the assistant docks there.
    form.setGeometry(500, 300, 800, 420);
    assistant.Timer1.tick();
    EXPECT_EQ(assistant.left(), 51);
    EXPECT_EQ(assistant.top(), 188);  // moved up so that its bottom stays above the task bar
}

}  // namespace
