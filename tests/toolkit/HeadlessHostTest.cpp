#include "toolkit/HeadlessHost.h"

#include <gtest/gtest.h>

#include "toolkit/TipWindow.h"

namespace {

using toolkit::HeadlessHost;

TEST(HeadlessHost, RecordsEveryCallInOrder) {
    HeadlessHost host;
    host.showMessage("出胆个数不能大于选胆个数", "错误提示");
    EXPECT_TRUE(host.setClipboardText("01 02 03 04 05"));
    EXPECT_TRUE(host.startProgram("/opt/quorvel/quorvel_front3"));
    EXPECT_TRUE(host.openUrl("https://example.org/rules"));
    host.yield();

    ASSERT_EQ(host.calls().size(), 4u);
    EXPECT_EQ(host.calls()[0].kind, HeadlessHost::Kind::Message);
    EXPECT_EQ(host.calls()[0].text, "出胆个数不能大于选胆个数");
    EXPECT_EQ(host.calls()[0].title, "错误提示");
    EXPECT_EQ(host.calls()[2].text, "/opt/quorvel/quorvel_front3");
    EXPECT_EQ(host.clipboard(), "01 02 03 04 05");
    EXPECT_EQ(host.yieldCount(), 1);
}

TEST(HeadlessHost, FailsWhenToldTo) {
    HeadlessHost host;
    host.setClipboardText("old");
    host.failClipboard(true);
    host.failStartProgram(true);
    host.failOpenUrl(true);
    EXPECT_FALSE(host.setClipboardText("new"));
    EXPECT_FALSE(host.startProgram("/missing"));
    EXPECT_FALSE(host.openUrl("https://example.org"));
    EXPECT_EQ(host.clipboard(), "old");
    for (const auto& call : host.callsOf(HeadlessHost::Kind::OpenUrl)) EXPECT_FALSE(call.succeeded);
}

TEST(HeadlessHost, ShowsATipUntilItClosesItself) {
    HeadlessHost host;
    toolkit::TipWindow tip;
    host.showTip(tip);
    EXPECT_FALSE(tip.isLoaded());
    const auto tips = host.callsOf(HeadlessHost::Kind::Tip);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0].text, "复制成功！");
    EXPECT_EQ(tips[0].title, "信息提示窗口");
    EXPECT_TRUE(tips[0].succeeded);
    EXPECT_EQ(tips[0].openMs, 500);
}

TEST(HeadlessHost, ReportsATipThatNeverCloses) {
    HeadlessHost host;
    toolkit::TipWindow tip;
    tip.Timer1.setTickHandler([] {});  // a broken tip that ignores its timer
    host.showTip(tip);
    EXPECT_FALSE(host.callsOf(HeadlessHost::Kind::Tip).at(0).succeeded);
}

TEST(HeadlessHost, RunsScriptedEventsInsideYieldsAndMessages) {
    HeadlessHost host;
    int duringYield = 0;
    int duringMessage = 0;
    host.setOnYield([&] { ++duringYield; });
    host.setOnMessage([&] { ++duringMessage; });
    host.yield();
    host.yield();
    host.showMessage("x", "y");
    EXPECT_EQ(duringYield, 2);
    EXPECT_EQ(duringMessage, 1);
}

}  // namespace
