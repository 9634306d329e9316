#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ListBox.h"
#include "toolkit/OptionGroup.h"
#include "toolkit/TextBox.h"
#include "toolkit/TipWindow.h"

namespace {

using toolkit::ButtonArray;
using toolkit::Rgb;

TEST(ButtonArray, ColourSetIsReadBackExactly) {
    ButtonArray numbers("C_tsm_sha", toolkit::twoDigitCaptions(1, 11));
    const Rgb colours[] = {0xF5F4DE, 0x00FF00, 0xFFFF00, 0x80FF80, 0xE0E0E0, 0x000001, 0xFFFFFF};
    for (Rgb colour : colours) {
        numbers[3].setBackColour(colour);
        EXPECT_EQ(numbers[3].backColour(), colour);
    }
    EXPECT_EQ(numbers[2].backColour(), toolkit::palette::kCream);
    EXPECT_EQ(numbers.countWithColour(toolkit::palette::kCream), 10u);
}

TEST(ButtonArray, CaptionsAndClicksCarryTheItemIndex) {
    ButtonArray counts("C_jishu_geshu", toolkit::plainCaptions(0, 5));
    EXPECT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts[0].caption(), "0");
    EXPECT_EQ(counts[5].caption(), "5");
    std::vector<std::size_t> clicked;
    counts.setClickHandler([&](std::size_t i) { clicked.push_back(i); });
    counts.press(4);
    counts[1].press();
    EXPECT_EQ(clicked, (std::vector<std::size_t>{4, 1}));
    EXPECT_EQ(toolkit::twoDigitCaptions(9, 11), (std::vector<std::string>{"09", "10", "11"}));
}

TEST(Button, ProgrammaticPressRunsTheHandlerBeforeTheCallerGoesOn) {
    ButtonArray kills("C_kuadu_sha", toolkit::plainCaptions(4, 10));
    kills[2].setBackColour(toolkit::palette::kYellow);
    toolkit::Button clear("清");
    clear.setClickHandler([&] { kills.setAllBackColours(toolkit::palette::kCream); });

    clear.press();
    EXPECT_EQ(kills.countWithColour(toolkit::palette::kYellow), 0u);
}

TEST(Button, DisabledButtonIgnoresPresses) {
    int presses = 0;
    toolkit::Button start("【开始缩水】");
    start.setClickHandler([&] { ++presses; });
    start.setEnabled(false);
    start.press();
    start.setEnabled(true);
    start.press();
    EXPECT_EQ(presses, 1);
}

TEST(Button, ViewIsToldOfEveryVisibleChange) {
    int changes = 0;
    toolkit::Button button("01");
    button.setViewListener([&] { ++changes; });
    button.setBackColour(toolkit::palette::kGreen);
    button.setCaption("01\r\n02");
    button.setEnabled(false);
    button.setVisible(false);
    EXPECT_EQ(changes, 4);
}

TEST(CheckBox, SettingFromCodeRaisesTheClickOnlyWhenTheValueChanges) {
    toolkit::CheckBox commas("号码之间逗号隔开");
    int clicks = 0;
    commas.setClickHandler([&] { ++clicks; });
    commas.setTicked(true);
    commas.setTicked(true);
    commas.click();
    EXPECT_FALSE(commas.isTicked());
    EXPECT_EQ(clicks, 2);
}

TEST(OptionGroup, ChoosingRaisesTheClickWithTheIndex) {
    toolkit::OptionGroup range("Op_dahao_fanwei", {"大7~11", "大6~11"});
    std::size_t clicked = 99;
    range.setClickHandler([&](std::size_t i) { clicked = i; });
    range.choose(1);
    EXPECT_EQ(range.chosen(), 1u);
    EXPECT_EQ(clicked, 1u);
    EXPECT_THROW(range.choose(2), std::out_of_range);
}

TEST(TextBox, TextEditedInTheViewIsFetchedOnlyWhenRead) {
    toolkit::TextBox box("输入格式标准：\r\n");
    int fetches = 0;
    box.setViewSource([&] {
        ++fetches;
        return std::string("01 02 03\r\n");
    });
    box.markEditedInView();
    box.markEditedInView();
    EXPECT_EQ(fetches, 0);
    EXPECT_EQ(box.text(), "01 02 03\r\n");
    EXPECT_EQ(box.text(), "01 02 03\r\n");
    EXPECT_EQ(fetches, 1);

    box.markEditedInView();
    box.setText("from code");  // a later set from code wins over an older edit
    EXPECT_EQ(box.text(), "from code");
    EXPECT_EQ(fetches, 1);
}

TEST(TextBox, DoubleClickRunsItsHandler) {
    toolkit::TextBox box("hint：");
    box.setDoubleClickHandler([&] { box.setText({}); });
    box.doubleClick();
    EXPECT_EQ(box.text(), "");
}

TEST(ListBox, ViewLearnsWhetherItemsWereAppendedOrReplaced) {
    toolkit::ListBox list;
    std::vector<toolkit::ListBox::Change> changes;
    list.setViewListener([&](toolkit::ListBox::Change c) { changes.push_back(c); });
    list.append("01 02 03 04 05");
    list.assign({"a", "b"});
    list.clear();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(changes, (std::vector<toolkit::ListBox::Change>{toolkit::ListBox::Change::Appended,
                                                              toolkit::ListBox::Change::Replaced,
                                                              toolkit::ListBox::Change::Cleared}));
}

TEST(TipWindow, ClosesItselfOnItsFirstTickAndThenStopsTicking) {
    toolkit::TipWindow tip;
    EXPECT_EQ(tip.title(), "信息提示窗口");
    EXPECT_EQ(tip.message.caption(), "复制成功！");
    EXPECT_EQ(tip.Timer1.intervalMs(), 500);
    EXPECT_FALSE(tip.Timer1.isEnabled());

    tip.load();
    EXPECT_TRUE(tip.Timer1.isEnabled());
    int ticksSeen = 0;
    tip.Timer1.setTickHandler([&] {
        ++ticksSeen;
        tip.unload();
    });
    tip.Timer1.tick();
    EXPECT_FALSE(tip.isLoaded());
    tip.Timer1.tick();  // the window is gone: its timer no longer runs
    tip.Timer1.tick();
    EXPECT_EQ(ticksSeen, 1);
    EXPECT_FALSE(tip.Timer1.isEnabled());
}

}  // namespace
