#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

#include "tests/front3/Front3FormFixture.h"
#include "tests/support/BigTexts.h"

// Both text boxes of the front-3 window given a huge paste, one endless line,
// thousands of empty lines, and bytes that are not text around real bets: the
// run still publishes exactly the bets the readable lines leave.
namespace {

using testsupport::afterEmptyLines;
using testsupport::bytes;
using testsupport::kNoise;
using testsupport::times;
using Bet = std::array<int, 3>;

std::string betText(const Bet& bet) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d %02d %02d", bet[0], bet[1], bet[2]);
    return text;
}

// Every ordered bet but `killed`, in the order the window lists them.
std::vector<std::string> allBut(const std::vector<Bet>& killed) {
    std::vector<std::string> bets;
    for (int a = 1; a <= 11; ++a)
        for (int b = 1; b <= 11; ++b)
            for (int c = 1; c <= 11; ++c) {
                const Bet bet{a, b, c};
                if (a == b || b == c || a == c) continue;
                if (std::find(killed.begin(), killed.end(), bet) == killed.end())
                    bets.push_back(betText(bet));
            }
    return bets;
}

class Front3BigInputTest : public testsupport::Front3FormFixture {
protected:
    front3::EntryPages& pages = form.pages;

    // Blocks of `line`, a noise line and an empty line, as many as fill the
    // huge paste; the returned count is the number of noise lines.
    static std::size_t hugeBlocks(const std::string& line) {
        return testsupport::kHugePaste / (line.size() + kNoise.size() + 6) + 1;
    }
    static std::string huge(const std::string& line, const std::string& last) {
        return times(line + "\r\n" + kNoise + "\r\n\r\n", hugeBlocks(line), last);
    }
    static std::string longLine(const std::string& unit, const std::string& tail) {
        return testsupport::repeated(unit, testsupport::kLongLine) + tail;
    }
    const std::vector<std::string>& runWith(toolkit::TextBox& box, std::string text) {
        box.setText(std::move(text));
        return run();
    }
};

TEST_F(Front3BigInputTest, DirectKillsReadEveryLineOfAnyPaste) {
    auto& box = pages.T_main_shazhixuan;
    EXPECT_EQ(runWith(box, huge("01 02 03", "11 10 09")), allBut({{1, 2, 3}, {11, 10, 9}}));

    // A line is read by its digits alone: noise without digits around one bet
    // kills it; the digits of the noise make the line unreadable.
    const std::string noDigits = bytes("\xFF\xFE\xC3\x28 \0\0 ab\r \n\xE2\x82 *");
    EXPECT_EQ(runWith(box, longLine(noDigits, "05 06 07")), allBut({{5, 6, 7}}));
    EXPECT_EQ(runWith(box, longLine(kNoise, "05 06 07")), allBut({}));
    EXPECT_EQ(runWith(box, bytes("\xFF"
                                 "0\0"
                                 "1\xC3"
                                 "0\x80"
                                 "2 \0"
                                 "03")),
              allBut({{1, 2, 3}}));

    // Lone CRs and LFs leave one line of six digits, as CR LFs leave one.
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "")), allBut({}));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "04 05 06")), allBut({{4, 5, 6}}));
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(Front3BigInputTest, CompoundKillsReadEveryLineOfAnyPasteAndCountTheRest) {
    auto& box = pages.T_main_laji_fushi;
    EXPECT_EQ(runWith(box, huge("01 02 *05 *07 08 09 ", "10 11 *10 11 *01 ")),
              allBut({{1, 5, 7},
                      {1, 5, 8},
                      {1, 5, 9},
                      {2, 5, 7},
                      {2, 5, 8},
                      {2, 5, 9},
                      {10, 11, 1},
                      {11, 10, 1}}));
    const std::size_t noiseLines = hugeBlocks("01 02 *05 *07 08 09 ");
    EXPECT_EQ(form.L_tishi.caption(), "注意：杀垃圾复式里有" + std::to_string(noiseLines) +
                                          "行\n不是“第一位*第二位*第三位”的格式，\n"
                                          "这些行没有参与过滤。");

    EXPECT_EQ(runWith(box, longLine(kNoise, "01 *02 *03")), allBut({{1, 2, 3}}));
    EXPECT_EQ(form.L_tishi.caption(), "");
    EXPECT_EQ(runWith(box, bytes("\0"
                                 "01\xFF*\x80"
                                 "02\0*\xC3"
                                 "03")),
              allBut({{1, 2, 3}}));

    // Blank lines are no compound lines: they neither kill nor count as unread,
    // however their line breaks are written.
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "")), allBut({}));
        EXPECT_EQ(form.L_tishi.caption(), "");
        EXPECT_EQ(runWith(box, afterEmptyLines(lineBreak, "04 *05 *06")), allBut({{4, 5, 6}}));
        EXPECT_EQ(form.L_tishi.caption(), "");
    }
    EXPECT_TRUE(messages().empty());
}

}  // namespace
