#include "engine/Publication.h"

#include <gtest/gtest.h>

#include "tests/support/StageFromFunction.h"

namespace {

using engine::CandidateTable;

TEST(Publication, AllRowsAliveGiveTheFull462LineList) {
    CandidateTable table;
    table.generate();
    const auto published = engine::publishAlive(table, ' ');
    ASSERT_EQ(published.lines.size(), 462u);
    EXPECT_EQ(published.lines.front(), "01 02 03 04 05");
    EXPECT_EQ(published.lines[210], "02 03 04 05 06");
    EXPECT_EQ(published.lines.back(), "07 08 09 10 11");
    EXPECT_EQ(testsupport::splitCrLf(published.text), published.lines);
    EXPECT_EQ(published.text.substr(0, 32), "01 02 03 04 05\r\n01 02 03 04 06\r\n");
    EXPECT_EQ(published.text.size(), 462u * 14 + 461u * 2);  // no trailing CR LF
}

TEST(Publication, CommaSeparatorJoinsTheNumbers) {
    CandidateTable table;
    table.generate();
    const auto published = engine::publishAlive(table, ',');
    EXPECT_EQ(published.lines.front(), "01,02,03,04,05");
    EXPECT_EQ(published.lines.back(), "07,08,09,10,11");
}

TEST(Publication, SkipsKilledRowsAndASingleBetHasNoLineBreak) {
    CandidateTable table;
    table.generate();
    for (int row = 1; row <= 462; ++row) {
        if (row != 337) table.kill(row);
    }
    const auto one = engine::publishAlive(table, ' ');
    EXPECT_EQ(one.text, "03 04 05 06 07");
    EXPECT_EQ(one.lines, std::vector<std::string>{"03 04 05 06 07"});

    table.kill(337);
    const auto none = engine::publishAlive(table, ' ');
    EXPECT_TRUE(none.lines.empty());
    EXPECT_EQ(none.text, "");
}

TEST(Publication, TextIsTrimmedOfSpacesAtBothEnds) {
    const auto published = engine::publishLines({" 01 02 03 ", "04 05 06 "});
    EXPECT_EQ(published.text, "01 02 03 \r\n04 05 06");
    EXPECT_EQ(published.lines.size(), 2u);
}

}  // namespace
