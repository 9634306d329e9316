#include <gtest/gtest.h>

#include <cstring>

#include "any5/panels/MainForm.h"
#include "front3/MainForm.h"
#include "tests/support/BigTexts.h"
#include "toolkit/HeadlessHost.h"

// The intersection tool's two lists given huge pastes, one endless line,
// thousands of empty lines, and bytes that are not text around real bets: each
// operation still lists exactly the bets written in the lists.
namespace {

using testsupport::afterEmptyLines;
using testsupport::bytes;
using testsupport::kNoise;
using testsupport::times;

std::size_t hugeBlocks(const std::string& block) {
    return testsupport::kHugePaste / block.size() + 1;
}

template <class Form>
class ListsTest : public ::testing::Test {
protected:
    ListsTest() { form.load(); }
    std::string operate(std::size_t operation, std::string a, std::string b) {
        tool.T_dd_jiaoji[0].setText(std::move(a));
        tool.T_dd_jiaoji[1].setText(std::move(b));
        tool.C_jiaoji_xuanzhe.press(operation);
        return tool.T_dd_jiaoji[2].text();
    }

    toolkit::HeadlessHost host;
    Form form{host};
    intersection::IntersectionForm& tool = form.jiaoji;
};

constexpr std::size_t kAnd = 0;
constexpr std::size_t kOr = 1;

using Any5ListsTest = ListsTest<any5::MainForm>;

// One operation over two huge lists: each holds a bet at its start and
// another at its very end, so the union shows that both were read whole.
TEST_F(Any5ListsTest, HugeListsGiveExactlyTheBetsWrittenInThem) {
    const std::string blockA = "01 02 03 04 05\r\n" + kNoise + "\r\n\r\n";
    const std::string blockB = "03 04 05 06 07\r\n" + kNoise + "\r\n\r\n";
    EXPECT_EQ(operate(kOr, times(blockA, hugeBlocks(blockA), "02 03 04 05 06"),
                      times(blockB, hugeBlocks(blockB), "07 08 09 10 11")),
              "01 02 03 04 05\r\n02 03 04 05 06\r\n03 04 05 06 07\r\n07 08 09 10 11\r\n");
    EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "4");
    EXPECT_TRUE(host.callsOf(toolkit::HeadlessHost::Kind::Message).empty());
}

TEST_F(Any5ListsTest, LongLinesEmptyLinesAndBadBytesHideNoBet) {
    EXPECT_EQ(operate(kOr, testsupport::repeated(kNoise, testsupport::kLongLine) + "01 02 03 04 05",
                      testsupport::repeated(kNoise, testsupport::kLongLine)),
              "01 02 03 04 05\r\n");
    // Bytes that are not text may stand beside a bet, never inside it.
    EXPECT_EQ(operate(kOr,
                      bytes("\0\xFF"
                            "01 02 03 04 05\xC3\0"),
                      bytes("02 03 04 05\0"
                            "06\r\n03 04\xFF"
                            "05 06 07")),
              "01 02 03 04 05\r\n");
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        EXPECT_EQ(operate(kAnd, afterEmptyLines(lineBreak, "01 02 03 04 05"),
                          "01 02 03 04 05" + afterEmptyLines(lineBreak, "")),
                  "01 02 03 04 05\r\n");
        EXPECT_EQ(operate(kOr, afterEmptyLines(lineBreak, ""), afterEmptyLines(lineBreak, "")), "");
        EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "0");
    }
}

using Front3ListsTest = ListsTest<front3::MainForm>;

// Front-3 lists are tidied in place before they are read.
TEST_F(Front3ListsTest, HugeListsGiveExactlyTheBetsWrittenInThem) {
    const std::string blockA = "03-02-01\r\n" + kNoise + "\r\n\r\n";
    const std::string blockB = "05,06,07\r\n" + kNoise + "\r\n";
    const std::size_t blocksA = hugeBlocks(blockA);
    const std::size_t blocksB = hugeBlocks(blockB);
    EXPECT_EQ(operate(kOr, times(blockA, blocksA, "04 06 08"), times(blockB, blocksB, "11 10 09")),
              "03 02 01\r\n04 06 08\r\n05 06 07\r\n11 10 09\r\n");
    EXPECT_EQ(tool.T_dd_jiaoji[0].text(),
              times("03 02 01\r\n 12 99 00 7 5\r\n\r\n", blocksA, "04 06 08"));
    EXPECT_EQ(tool.T_dd_jiaoji[1].text(),
              times("05 06 07\r\n 12 99 00 7 5\r\n", blocksB, "11 10 09"));
    EXPECT_EQ(tool.T_jiaoji_zhushu.text(), "4");
    EXPECT_FALSE(tool.Fjindu.isVisible());
    EXPECT_TRUE(host.callsOf(toolkit::HeadlessHost::Kind::Message).empty());
}

TEST_F(Front3ListsTest, LongLinesEmptyLinesAndBadBytesHideNoBet) {
    EXPECT_EQ(operate(kOr, testsupport::repeated(kNoise, testsupport::kLongLine) + "01 02 03",
                      testsupport::repeated(kNoise, testsupport::kLongLine)),
              "01 02 03\r\n");
    // Whatever stands between the digits of a line becomes one blank.
    EXPECT_EQ(operate(kOr,
                      bytes("\0"
                            "01\xFF"
                            "02\0"
                            "03"),
                      ""),
              "01 02 03\r\n");
    EXPECT_EQ(tool.T_dd_jiaoji[0].text(), "01 02 03");
    // Line breaks before the first digit go; lone CRs and LFs within a line
    // are separators like any other, while CR LFs end it.
    for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        const bool endsLines = std::strlen(lineBreak) == 2;
        EXPECT_EQ(operate(kAnd, afterEmptyLines(lineBreak, "04 05 06"),
                          "04" + afterEmptyLines(lineBreak, "05 06")),
                  endsLines ? "" : "04 05 06\r\n");
        EXPECT_EQ(tool.T_dd_jiaoji[0].text(), "04 05 06");
        EXPECT_EQ(operate(kOr, afterEmptyLines(lineBreak, ""), afterEmptyLines(lineBreak, "")), "");
        EXPECT_EQ(tool.T_dd_jiaoji[0].text(), "");
    }
}

}  // namespace
