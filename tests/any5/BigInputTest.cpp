#include <gtest/gtest.h>

#include <functional>

#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"
#include "tests/support/BigTexts.h"

// Every text box of the any-5 window given a huge paste, one endless line,
// thousands of empty lines, and bytes that are not text around real bets: the
// run still publishes exactly the bets the readable lines leave.
namespace {

using testsupport::afterEmptyLines;
using testsupport::Bet;
using testsupport::bytes;
using testsupport::kNoise;

bool holdsAll(const Bet& bet, std::initializer_list<int> numbers) {
    for (int n : numbers) {
        if (!testsupport::holds(bet, n)) return false;
    }
    return true;
}

int heldOf(const Bet& bet, std::initializer_list<int> numbers) {
    int held = 0;
    for (int n : numbers) held += testsupport::holds(bet, n) ? 1 : 0;
    return held;
}

std::vector<std::string> betsWhere(const std::function<bool(const Bet&)>& keep) {
    std::vector<std::string> bets;
    testsupport::forEachBet([&](const Bet& bet) {
        if (keep(bet)) bets.push_back(testsupport::betText(bet));
    });
    return bets;
}

const std::vector<std::string>& allBets() {
    static const auto all = betsWhere([](const Bet&) { return true; });
    return all;
}

class BigInputTest : public testsupport::Any5FormFixture {
protected:
    any5::GroupEntryPanels& entries = form.entries;

    // The megabytes of `line` CR LF, then a noise line and an empty line,
    // repeated, and `last` as the final line: the end of the text still counts.
    static std::string huge(const std::string& line, const std::string& last) {
        std::string text =
            testsupport::repeated(line + "\r\n" + kNoise + "\r\n\r\n", testsupport::kHugePaste);
        text += last;
        return text;
    }
    // One line of `kLongLine` bytes of noise ending in `tail`.
    static std::string longLine(const std::string& tail) {
        return testsupport::repeated(kNoise, testsupport::kLongLine) + tail;
    }
    const std::vector<std::string>& runWith(toolkit::TextBox& box, std::string text) {
        box.setText(std::move(text));
        return run();
    }
};

TEST_F(BigInputTest, CompoundKillsReadEveryLineOfAnyPaste) {
    auto& box = entries.T_main_shazhixuan;
    EXPECT_EQ(runWith(box, huge("01 02 03 04 05 06", "07 08 09 10 11")),
              betsWhere([](const Bet& b) {
                  return heldOf(b, {1, 2, 3, 4, 5, 6}) < 5 && b != Bet{7, 8, 9, 10, 11};
              }));

    // One line holds every number written anywhere in it.
    const auto withoutOneBet = [](const Bet& killed) {
        return betsWhere([killed](const Bet& b) { return b != killed; });
    };
    EXPECT_EQ(runWith(box, longLine("02 04 06 08 10")), withoutOneBet({2, 4, 6, 8, 10}));
    EXPECT_EQ(runWith(box, bytes("\0\xFF"
                                 "01\0 02\xC3 03\xE2\x82 04\x80 05") +
                               testsupport::kNulBeforeSeven),
              withoutOneBet({1, 2, 3, 4, 5}));

    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "")), allBets());
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "03 05 07 09 11")),
                  withoutOneBet({3, 5, 7, 9, 11}));
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(BigInputTest, TripleKillsAndKeepsReadEveryLineOfAnyPaste) {
    const auto killed = [](const Bet& b) {
        return holdsAll(b, {3, 7, 11}) || holdsAll(b, {1, 2, 4});
    };
    EXPECT_EQ(runWith(entries.T_main_sha_3ma, huge("03 07 11", "01 02 04")),
              betsWhere([&](const Bet& b) { return !killed(b); }));
    entries.T_main_sha_3ma.setText({});
    EXPECT_EQ(runWith(entries.T_main_bichu_3ma, huge("03 07 11", "01 02 04")), betsWhere(killed));
    entries.T_main_bichu_3ma.setText({});

    const auto holding = [](std::initializer_list<int> three) {
        return [three](const Bet& b) { return holdsAll(b, three); };
    };
    const auto without = [](std::initializer_list<int> three) {
        return [three](const Bet& b) { return !holdsAll(b, three); };
    };
    EXPECT_EQ(runWith(entries.T_main_sha_3ma, longLine("05 06 09")), betsWhere(without({5, 6, 9})));
    EXPECT_EQ(runWith(entries.T_main_sha_3ma, bytes("\xC3\0"
                                                    "08\xFF"
                                                    "10\0"
                                                    "11")),
              betsWhere(without({8, 10, 11})));
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(entries.T_main_sha_3ma, afterEmptyLines(lineBreak, "02 03 04")),
                  betsWhere(without({2, 3, 4})));
    }
    entries.T_main_sha_3ma.setText({});

    EXPECT_EQ(runWith(entries.T_main_bichu_3ma, longLine("05 06 09")),
              betsWhere(holding({5, 6, 9})));
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(entries.T_main_bichu_3ma, afterEmptyLines(lineBreak, "02 03 04")),
                  betsWhere(holding({2, 3, 4})));
    }
    EXPECT_TRUE(messages().empty());

    // Nothing but line breaks keeps no bet, and the player is told.
    EXPECT_TRUE(runWith(entries.T_main_bichu_3ma, afterEmptyLines("\r\n", "")).empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, engine::FilterRun::kNothingLeftText);
}

TEST_F(BigInputTest, QuadKillsReadEveryLineOfAnyPaste) {
    auto& box = entries.T_main_sha4ma;
    EXPECT_EQ(runWith(box, huge("01 02 03 04 05", "08 09 10 11")), betsWhere([](const Bet& b) {
                  return heldOf(b, {1, 2, 3, 4, 5}) < 4 && !holdsAll(b, {8, 9, 10, 11});
              }));
    const auto withoutFour = [](std::initializer_list<int> four) {
        return betsWhere([four](const Bet& b) { return !holdsAll(b, four); });
    };
    EXPECT_EQ(runWith(box, longLine("01 03 05 07")), withoutFour({1, 3, 5, 7}));
    EXPECT_EQ(runWith(box, bytes("02\0"
                                 "04\xFF\xFE"
                                 "06\xC3"
                                 "08") +
                               testsupport::kNulBeforeSeven),
              withoutFour({2, 4, 6, 8}));
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "")), allBets());
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "06 07 08 09")),
                  withoutFour({6, 7, 8, 9}));
    }
}

// Fields are read from the start of a line, so a pattern at the end of a long
// line, or behind lone CRs or LFs (which do not end a line), is out of place.
TEST_F(BigInputTest, PositionalKillsReadEveryLineOfAnyPaste) {
    auto& box = entries.T_ding_shadingwei;
    EXPECT_EQ(runWith(box, huge("01 02 03 04 *", "* * * 10 11")), betsWhere([](const Bet& b) {
                  return Bet{b[0], b[1], b[2], b[3], 0} != Bet{1, 2, 3, 4, 0} &&
                         !(b[3] == 10 && b[4] == 11);
              }));

    const auto withoutLastEleven = betsWhere([](const Bet& b) { return b[4] != 11; });
    EXPECT_EQ(runWith(box, "* * * * 11" + testsupport::repeated(kNoise, testsupport::kLongLine)),
              withoutLastEleven);
    EXPECT_EQ(runWith(box, longLine("* * * * 11")), allBets());
    EXPECT_EQ(runWith(box, "* * * * 11" + kNoise + "\r\n" + kNoise), withoutLastEleven);

    EXPECT_EQ(runWith(box, afterEmptyLines("\r\n", "* * * * 11")), withoutLastEleven);
    for (const char* lineBreak : {"\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "* * * * 11")), allBets());
    }
}

TEST_F(BigInputTest, BasePoolKeepsEveryBetWrittenInAnyPaste) {
    entries.Check_sha_dd.setTicked(true);
    auto& box = entries.T_sha_dadi;
    EXPECT_EQ(runWith(box, huge("01 02 03 04 05", "07 08 09 10 11")),
              (std::vector<std::string>{"01 02 03 04 05", "07 08 09 10 11"}));
    EXPECT_EQ(runWith(box, longLine("03 04 05 06 07")), std::vector<std::string>{"03 04 05 06 07"});
    EXPECT_EQ(runWith(box, kNoise + "02 04 06 08 10" + testsupport::kNulBeforeSeven +
                               bytes("\0"
                                     "01 02 03 04 05")),
              (std::vector<std::string>{"01 02 03 04 05", "02 04 06 08 10"}));
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "05 06 07 08 09")),
                  std::vector<std::string>{"05 06 07 08 09"});
    }
    EXPECT_TRUE(messages().empty());

    // A pool of nothing but line breaks holds no bet: nothing is kept, and the
    // player is told.
    EXPECT_TRUE(runWith(box, afterEmptyLines("\n", "")).empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, engine::FilterRun::kNothingLeftText);
}

}  // namespace
