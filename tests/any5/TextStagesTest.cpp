#include <gtest/gtest.h>

#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"

namespace {

using testsupport::Bet;

class TextStagesTest : public testsupport::Any5FormFixture {
protected:
    any5::GroupEntryPanels& entries = form.entries;
    // Types into a box the way a player does: double-click it empty, then paste.
    static void type(toolkit::TextBox& box, const std::string& text) {
        box.doubleClick();
        box.setText(text);
    }
};

TEST_F(TextStagesTest, HintsAndNoPairsKillNothing) {
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(TextStagesTest, CompoundLineKillsItsFiveNumberSubsets) {
    type(entries.T_main_shazhixuan, "01 02 03 08 09 10 11");
    EXPECT_EQ(run().size(), 462u - 21u);
    EXPECT_FALSE(survives("01 02 03 08 09"));
    EXPECT_TRUE(survives("01 02 03 04 08"));
    // Tokens need no separators, and windows across them count too: 0102030405
    // holds 01 02 03 04 05 and 10.
    type(entries.T_main_shazhixuan, "0102030405\r\n1 2 3 4 5 6");
    EXPECT_EQ(run().size(), 462u - 6u);
    EXPECT_FALSE(survives("01 02 03 04 10"));
}

TEST_F(TextStagesTest, AHintLeftAnywhereDisablesTheBox) {
    entries.T_main_sha_3ma.setText(entries.T_main_sha_3ma.text() + "01 02 03\r\n");
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(TextStagesTest, TriplesKillOrKeepBetsWithExactlyThreeOfALine) {
    type(entries.T_main_sha_3ma, "01 02 03");
    EXPECT_EQ(run().size(), 462u - 28u);
    type(entries.T_main_sha_3ma, "01 02 03 04");
    EXPECT_EQ(run().size(), 462u - 84u);
    EXPECT_TRUE(survives("01 02 03 04 05"));
    EXPECT_FALSE(survives("01 02 03 05 06"));

    type(entries.T_main_sha_3ma, "");
    type(entries.T_main_bichu_3ma, "01 02 03");
    EXPECT_EQ(run().size(), 28u);
    type(entries.T_main_bichu_3ma, "01 02 03\r\n09 10 11");
    EXPECT_EQ(run().size(), 56u);
}

TEST_F(TextStagesTest, AKeepBoxOfBareLineBreaksKillsEverything) {
    type(entries.T_main_bichu_3ma, "\r\n\r\n");
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(TextStagesTest, NumbersWithoutLeadingZerosMatchNothing) {
    type(entries.T_main_sha_3ma, "1 2 3");
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(TextStagesTest, QuadsKillBetsWithAnyFourOfALine) {
    type(entries.T_main_sha4ma, "01 02 03 04");
    EXPECT_EQ(run().size(), 462u - 7u);
    type(entries.T_main_sha4ma, "01 02 03 04 05");
    EXPECT_EQ(run().size(), 462u - 31u);
}

TEST_F(TextStagesTest, LinesEndOnlyAtCrLf) {
    // A lone LF keeps both halves on one line: 01 02 03 and 04 05 06 form one
    // six-number compound line, killing its six five-number subsets.
    type(entries.T_main_shazhixuan, "01 02 03\n04 05 06");
    EXPECT_EQ(run().size(), 462u - 6u);
    type(entries.T_main_shazhixuan, "01 02 03\r\n04 05 06");
    EXPECT_EQ(run().size(), 462u);
}

TEST_F(TextStagesTest, PositionalLinesMatchFieldByField) {
    type(entries.T_ding_shadingwei, "01 02 05 08 *");
    run();
    EXPECT_EQ(form.result.Li_out.size(), 459u);
    for (const char* killed : {"01 02 05 08 09", "01 02 05 08 10", "01 02 05 08 11"})
        EXPECT_FALSE(survives(killed)) << killed;

    type(entries.T_ding_shadingwei, "01 * * 05 11");
    EXPECT_EQ(run().size(), 459u);
    EXPECT_FALSE(survives("01 03 04 05 11"));

    type(entries.T_ding_shadingwei, "* * * 08 *");
    EXPECT_EQ(static_cast<int>(run().size()),
              testsupport::countBets([](const Bet& b) { return b[3] != 8; }));

    // Out-of-place fields (a leading blank, two blanks) match nothing.
    type(entries.T_ding_shadingwei, "01 02 03 04 *\r\n 02 * * * *\r\n01  * * * *\r\n01 02 03 04");
    EXPECT_EQ(run().size(), 462u - 7u);

    // Only the box's two ends are trimmed, so a lone line may start with a blank.
    type(entries.T_ding_shadingwei, " 01 * * * *");
    EXPECT_EQ(run().size(), 462u - 210u);

    type(entries.T_ding_shadingwei, "* * * * *");
    EXPECT_TRUE(run().empty());
}

TEST_F(TextStagesTest, PairButtonsKillOrRequireTheirPair) {
    form.pairs.C_sha2ma.press(0);  // 01 02
    EXPECT_EQ(run().size(), 462u - 84u);
    form.pairs.C_sha2ma_cls.press();

    form.pairs.C_chu2ma.press(0);   // 01 02
    form.pairs.C_chu2ma.press(54);  // 10 11
    EXPECT_EQ(run().size(), 84u + 84u - 7u);
    EXPECT_TRUE(survives("01 02 03 04 05"));
    EXPECT_TRUE(survives("07 08 09 10 11"));
    EXPECT_FALSE(survives("01 03 05 07 11"));

    form.pairs.C_chu2ma_all.press();
    EXPECT_EQ(run().size(), 462u);
    form.pairs.C_sha2ma_all.press();
    EXPECT_TRUE(run().empty());
}

TEST_F(TextStagesTest, BasePoolKeepsOnlyTheBetsWrittenInIt) {
    entries.T_sha_dadi.setText("01 02 03 04 05");
    EXPECT_EQ(run().size(), 462u);  // not ticked: ignored
    entries.Check_sha_dd.setTicked(true);
    EXPECT_EQ(run(), std::vector<std::string>{"01 02 03 04 05"});

    entries.T_sha_dadi.setText("garbage 03 04 05 06 0701 02 03 04 11\r\n05 04 03 02 01");
    EXPECT_EQ(run(), (std::vector<std::string>{"01 02 03 04 11", "03 04 05 06 07"}));

    entries.T_sha_dadi.setText("01,02,03,04,05");
    EXPECT_TRUE(run().empty());

    entries.T_sha_dadi.setText("");
    EXPECT_EQ(run().size(), 462u);
    entries.T_sha_dadi.setText(entries.T_sha_dadi_by.text());
    EXPECT_EQ(run().size(), 462u);
}

}  // namespace
