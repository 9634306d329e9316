#include "engine/ResultCopy.h"

#include <gtest/gtest.h>

#include "toolkit/HeadlessHost.h"

namespace {

using toolkit::HeadlessHost;

TEST(ResultCopy, PutsTheTextOnTheClipboardAndShowsTheSelfClosingTip) {
    HeadlessHost host;
    engine::copyResult("01 02 03 04 05\r\n07 08 09 10 11", host);
    EXPECT_EQ(host.clipboard(), "01 02 03 04 05\r\n07 08 09 10 11");
    const auto tips = host.callsOf(HeadlessHost::Kind::Tip);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0].title, "信息提示窗口");
    EXPECT_EQ(tips[0].text, "复制成功！");
    EXPECT_TRUE(tips[0].succeeded);  // closed by its own timer
    EXPECT_EQ(tips[0].openMs, 500);
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
}

TEST(ResultCopy, EmptyTextIsCopiedAndConfirmedToo) {
    HeadlessHost host;
    host.setClipboardText("something older");
    engine::copyResult("", host);
    EXPECT_EQ(host.clipboard(), "");
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::Tip).size(), 1u);
}

TEST(ResultCopy, BusyClipboardGivesTheErrorAndNoTip) {
    HeadlessHost host;
    host.failClipboard(true);
    engine::copyResult("01 02 03 04 05", host);
    const auto messages = host.callsOf(HeadlessHost::Kind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "本次复制产生错误，请重新复制一次");
    EXPECT_EQ(messages[0].title, "错误提示");
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Tip).empty());
    EXPECT_EQ(host.clipboard(), "");
}

}  // namespace
