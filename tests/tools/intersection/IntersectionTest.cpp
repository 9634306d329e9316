#include <gtest/gtest.h>

#include "any5/panels/MainForm.h"
#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"

namespace {

using toolkit::HeadlessHost;

class Any5IntersectionTest : public ::testing::Test {
protected:
    Any5IntersectionTest() {
        form.load();
        form.C_jiaoji.press();
    }
    std::string operate(std::size_t i) {
        tool.C_jiaoji_xuanzhe.press(i);
        return tool.T_dd_jiaoji[2].text();
    }

    HeadlessHost host;
    any5::MainForm form{host};
    intersection::IntersectionForm& tool = form.jiaoji;
};

TEST_F(Any5IntersectionTest, TheFourOperationsOverTwoLists) {
    EXPECT_TRUE(tool.isLoaded());
    EXPECT_EQ(tool.title(), "交集工具");
    tool.T_dd_jiaoji[0].setText("01 02 03 04 05\r\n01 02 03 04 06");
    tool.T_dd_jiaoji[1].setText("01 02 03 04 06");
    EXPECT_EQ(operate(0), "01 02 03 04 06\r\n");
    EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "1");
    EXPECT_EQ(operate(1), "01 02 03 04 05\r\n01 02 03 04 06\r\n");
    EXPECT_EQ(operate(2), "01 02 03 04 05\r\n");
    EXPECT_EQ(operate(3), "");
    EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "0");
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
}

TEST_F(Any5IntersectionTest, TheCommaBoxChangesWhatTheListsMustLookLike) {
    tool.T_dd_jiaoji[0].setText("01 02 03 04 05\r\n01 02 03 04 06");
    tool.T_dd_jiaoji[1].setText("01 02 03 04 06");
    tool.Check_out_douhao.setTicked(true);
    for (std::size_t i = 0; i < 4; ++i) {
        operate(i);
        EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "0") << i;
    }
    tool.T_dd_jiaoji[0].setText("01,02,03,04,05");
    EXPECT_EQ(operate(1), "01,02,03,04,05\r\n");
}

TEST_F(Any5IntersectionTest, ABetIsInAListWhenItsTextOccursAnywhere) {
    tool.T_dd_jiaoji[0].setText("01 02 03 04 05 06\r\n05 04 03 02 01");
    EXPECT_EQ(operate(1), "01 02 03 04 05\r\n02 03 04 05 06\r\n");
    tool.C_jiaoji_cls.press(0);
    EXPECT_EQ(tool.T_dd_jiaoji[0].text(), "");
    EXPECT_EQ(tool.T_dd_jiaoji[2].text(), "01 02 03 04 05\r\n02 03 04 05 06\r\n");
}

TEST_F(Any5IntersectionTest, CopyPutsTheResultWithItsFinalLineBreakOnTheClipboard) {
    tool.T_dd_jiaoji[0].setText("07 08 09 10 11");
    operate(1);
    tool.C_jiaoji_cls.press(2);
    EXPECT_EQ(host.clipboard(), "07 08 09 10 11\r\n");
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::Tip).size(), 1u);
}

TEST_F(Any5IntersectionTest, AnOperationNeverDisturbsTheMainResultOrAMainRun) {
    form.result.C_guolv_ks.press();
    const auto published = form.result.ResultText;
    tool.T_dd_jiaoji[0].setText("01 02 03 04 05");
    // The player presses an operation while the main run is still generating.
    int yields = 0;
    host.setOnYield([&] {
        if (++yields == 200) tool.C_jiaoji_xuanzhe.press(1);
    });
    form.result.C_guolv_ks.press();
    EXPECT_EQ(form.result.ResultText, published);
    EXPECT_EQ(form.result.Li_out.size(), 462u);
    EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "1");  // ran, after the run
}

class Front3IntersectionTest : public ::testing::Test {
protected:
    Front3IntersectionTest() {
        form.load();
        form.C_qiansan_jiaoji.press();
    }
    std::string operate(std::size_t i) {
        tool.C_jiaoji_xuanzhe.press(i);
        return tool.T_dd_jiaoji[2].text();
    }

    HeadlessHost host;
    front3::MainForm form{host};
    intersection::IntersectionForm& tool = form.jiaoji;
};

TEST_F(Front3IntersectionTest, ListsAreTidiedAndMatchedAsOrderedBets) {
    EXPECT_EQ(tool.Check_out_douhao.caption(), "号码间逗号隔开");
    EXPECT_EQ(tool.Text1.text().rfind("交并集结果转为组选技巧：\r\n", 0), 0u);
    tool.T_dd_jiaoji[0].setText("01,02,03\r\n02-01-03");
    EXPECT_EQ(operate(1), "01 02 03\r\n02 01 03\r\n");
    EXPECT_EQ(tool.T_dd_jiaoji[0].text(), "01 02 03\r\n02 01 03");
    EXPECT_FALSE(tool.Fjindu.isVisible());

    tool.T_dd_jiaoji[0].setText("01 02 03 04");
    tool.T_dd_jiaoji[1].setText("abc");
    EXPECT_EQ(operate(1), "01 02 03\r\n02 03 04\r\n");
    EXPECT_EQ(tool.T_dd_jiaoji[1].text(), "");
    tool.Check_out_douhao.setTicked(true);
    EXPECT_EQ(operate(2), "01,02,03\r\n02,03,04\r\n");
}

TEST_F(Front3IntersectionTest, TheProgressPanelShowsWhileAnOperationRuns) {
    bool shownDuringRun = false;
    host.setOnYield([&] { shownDuringRun = shownDuringRun || tool.Fjindu.isVisible(); });
    operate(0);
    EXPECT_TRUE(shownDuringRun);
    EXPECT_FALSE(tool.Fjindu.isVisible());
}

}  // namespace
