#include "any5/panels/MainForm.h"

#include <gtest/gtest.h>

#include "tests/support/StageFromFunction.h"
#include "toolkit/HeadlessHost.h"

namespace {

using toolkit::HeadlessHost;

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() { form.load(); }
    HeadlessHost host;
    any5::MainForm form{host};
};

TEST_F(MainFormTest, StartsWithAnEmptyResultAndTheProgressFrameHidden) {
    EXPECT_EQ(form.title(), "11选5Quorvel  任5版 2014.10.30");
    EXPECT_FALSE(form.result.Frame_jindu.isVisible());
    EXPECT_EQ(form.result.Frame_jindu.caption(), "正在过滤中，请稍等。。。");
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "0");
    EXPECT_EQ(form.result.T_dd_by.text(), "");
    EXPECT_FALSE(form.result.Check_out_douhao.isTicked());
    EXPECT_EQ(form.result.Check_out_douhao.caption(), "号码之间逗号隔开");
    EXPECT_EQ(form.result.C_guolv_ks.caption(), "【开始缩水】");
    EXPECT_EQ(form.result.C_copy.caption(), "复制号码");
    EXPECT_EQ(form.result.ResultText, "");
    EXPECT_EQ(form.table.cell(1, 1), 0);  // created, not generated
    EXPECT_TRUE(host.calls().empty());
}

TEST_F(MainFormTest, StartThenCopyPutsThe462BetsOnTheClipboard) {
    form.result.C_guolv_ks.press();
    form.result.C_copy.press();
    const auto& clip = host.clipboard();
    EXPECT_EQ(clip.substr(0, 16), "01 02 03 04 05\r\n");
    EXPECT_EQ(clip.substr(clip.size() - 16), "\r\n07 08 09 10 11");
    EXPECT_EQ(testsupport::splitCrLf(clip).size(), 462u);
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::Tip).size(), 1u);
}

TEST_F(MainFormTest, CopyTakesTheLastRunsTextNotLaterEditsOrTicks) {
    form.result.C_guolv_ks.press();
    const auto published = form.result.ResultText;
    form.result.T_dd_by.setText("01 02 03 04 05");  // the player edits the result box
    form.result.Check_out_douhao.setTicked(true);   // and ticks commas without running
    form.result.C_copy.press();
    EXPECT_EQ(host.clipboard(), published);
    EXPECT_EQ(host.clipboard().find(','), std::string::npos);

    form.result.C_guolv_ks.press();
    form.result.C_copy.press();
    EXPECT_EQ(host.clipboard().substr(0, 14), "01,02,03,04,05");
}

TEST_F(MainFormTest, CopyBeforeAnyRunCopiesEmptyText) {
    host.setClipboardText("stale");
    form.result.C_copy.press();
    EXPECT_EQ(host.clipboard(), "");
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::Tip).size(), 1u);
}

TEST_F(MainFormTest, PipelineSlotsAreFilledByTheConditionPanels) {
    form.pipeline.install(engine::slotIndex(engine::Any5Slot::KillAll),
                          std::make_unique<testsupport::StageFromFunction>(
                              [](const engine::CandidateTable& t, int row) {
                                  return (t.mask(row) & 1u) != 0;  // kill every bet with 01
                              }));
    form.result.C_guolv_ks.press();
    EXPECT_EQ(form.result.dadi_zhushu.caption(), "252");
    EXPECT_EQ(form.result.Li_out.items().front(), "02 03 04 05 06");
}

}  // namespace
