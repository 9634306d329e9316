#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"

namespace {

class ParityPickerTest : public testsupport::Any5FormFixture {
protected:
    any5::ParityPicker& picker = form.picker;
    void open() {
        form.C_sha_jiou.press();
        picker.Timer1.tick();
    }
};

TEST_F(ParityPickerTest, BoxesFollowTheIndexTableAndTheirGroups) {
    EXPECT_EQ(picker.Ch_jo[0].caption(), "奇奇奇奇奇");
    EXPECT_EQ(picker.Ch_jo[11].caption(), "奇偶奇偶奇");
    EXPECT_EQ(picker.Ch_jo[16].caption(), "奇偶偶偶偶");
    EXPECT_EQ(picker.Ch_jo[31].caption(), "偶奇奇奇奇");
    // Each group's boxes share one odd:even ratio and the first number's parity.
    for (std::size_t g = 0; g < 6; ++g) {
        const auto [first, last] = any5::ParityPicker::groupRange(g);
        const std::string lead = picker.Ch_jo[first].caption().substr(0, 3);
        for (std::size_t i = first; i <= last; ++i) {
            EXPECT_EQ(picker.Ch_jo[i].caption().substr(0, 3), lead) << i;
        }
    }
}

TEST_F(ParityPickerTest, TickedArrangementsAreKilled) {
    open();
    picker.Ch_jo[0].click();
    EXPECT_EQ(form.ParityPatternList, "奇奇奇奇奇*");
    EXPECT_EQ(run().size(), 456u);
    picker.Ch_jo[0].click();
    picker.Ch_jo[1].click();
    EXPECT_EQ(run().size(), 461u);
    EXPECT_FALSE(survives("02 04 06 08 10"));
    picker.Ch_jo[1].click();
    picker.Ch_jo[11].click();  // 奇偶奇偶奇
    run();
    EXPECT_FALSE(survives("01 02 05 08 11"));
    EXPECT_TRUE(survives("01 02 05 08 10"));
}

TEST_F(ParityPickerTest, PageAllKillsEverythingAndGroupClearTouchesOnlyItsGroup) {
    open();
    picker.C_benye_all.press(0);
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(messages().size(), 1u);
    picker.C_jo_quan_cls.press(3);  // "清" of 奇偶比 3:2, boxes 6..11
    for (std::size_t i = 0; i < 32; ++i)
        EXPECT_EQ(picker.Ch_jo[i].isTicked(), i < 6 || i > 11) << i;
    EXPECT_EQ(form.ParityPatternList.find("奇奇奇偶偶"), std::string::npos);
    picker.C_benye_all.press(1);
    EXPECT_EQ(form.ParityPatternList, "");
}

TEST_F(ParityPickerTest, TicksOutliveTheWindowAndComeBackWhenItOpens) {
    open();
    EXPECT_EQ(form.C_sha_jiou.backColour(), toolkit::palette::kGreen);
    picker.Ch_jo[0].click();
    form.C_sha_jiou.press();
    EXPECT_FALSE(picker.isLoaded());
    EXPECT_EQ(form.C_sha_jiou.backColour(), toolkit::palette::kCream);
    EXPECT_EQ(run().size(), 456u);

    open();
    EXPECT_TRUE(picker.Ch_jo[0].isTicked());
    EXPECT_FALSE(picker.Timer1.isEnabled());
    EXPECT_EQ(form.ParityPatternList, "奇奇奇奇奇*");
}

TEST_F(ParityPickerTest, ClosingByItsOwnCloseBoxTurnsTheButtonCream) {
    open();
    picker.unload();
    EXPECT_EQ(form.C_sha_jiou.backColour(), toolkit::palette::kCream);
    EXPECT_FALSE(picker.Timer2.isEnabled());
}

TEST_F(ParityPickerTest, ClearAllEmptiesTheListAndUnticksTheBoxes) {
    open();
    picker.Ch_jo[5].click();
    form.C_all_cls.press();
    EXPECT_EQ(form.ParityPatternList, "");
    picker.Timer1.tick();
    EXPECT_FALSE(picker.Ch_jo[5].isTicked());
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(ParityPickerTest, DocksAgainstTheMainWindowsRightEdge) {
    form.setGeometry(100, 40, 1200, 650);
    open();
    EXPECT_EQ(picker.left(), 1300);
    EXPECT_EQ(picker.top(), 40);
    EXPECT_EQ(picker.height(), 650);
    form.setGeometry(50, 80, 1200, 500);
    picker.Timer2.tick();
    EXPECT_EQ(picker.left(), 1250);
    EXPECT_EQ(picker.top(), 80);
    EXPECT_EQ(picker.height(), 650);  // the height is set only when it opens
}

TEST_F(ParityPickerTest, WithNoRoomBesideTheWindowItCoversItsPanelsAndStaysOnScreen) {
    // 1366 x 768 with a task bar: the centred main window leaves 17 pixels.
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 1366, 728}; });
    form.setGeometry(17, 6, 1331, 715);
    open();
    EXPECT_EQ(picker.left(), 0);
    EXPECT_EQ(picker.top(), 6);
    EXPECT_EQ(picker.height(), 715);

    // Laid out taller than the main window: moved up to keep its bottom on screen.
    picker.setFrameSizeSource([] { return toolkit::Window::Size{530, 724}; });
    picker.Timer2.tick();
    EXPECT_EQ(picker.top(), 4);

    // Moved to where the screen has room on its right: docked again.
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 2560, 1400}; });
    form.setGeometry(300, 100, 1331, 715);
    picker.Timer2.tick();
    EXPECT_EQ(picker.left(), 1631);
    EXPECT_EQ(picker.top(), 100);
}

}  // namespace
