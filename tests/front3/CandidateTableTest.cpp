#include "front3/CandidateTable.h"

#include <gtest/gtest.h>

#include "front3/Publication.h"

namespace {

using front3::CandidateTable;

std::string rowText(const CandidateTable& table, int row) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d %02d", table.number(row, 1), table.number(row, 2),
                  table.number(row, 3));
    return text;
}

TEST(Front3Table, RowsFollowTheOrderOfGeneration) {
    CandidateTable table;
    EXPECT_EQ(table.cell(1, 1), 0);  // nothing before the first generation
    int yields = 0;
    table.generate([&] { ++yields; });
    EXPECT_EQ(yields, 990);
    const std::pair<int, const char*> expected[] = {
        {1, "01 02 03"},  {2, "01 02 04"},   {9, "01 02 11"},   {10, "01 03 02"},  {90, "01 11 10"},
        {91, "02 01 03"}, {190, "03 02 01"}, {901, "11 01 02"}, {990, "11 10 09"},
    };
    for (const auto& [row, bet] : expected) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rowText(table, row), bet);
    }
    for (int row = 1; row <= 990; ++row) {
        const int a = table.number(row, 1), b = table.number(row, 2), c = table.number(row, 3);
        ASSERT_TRUE(a != b && b != c && a != c) << row;
        ASSERT_EQ(CandidateTable::rowOf(a, b, c), row);
        ASSERT_EQ(table.cell(row, 4), 0);
    }
}

TEST(Front3Publication, GroupsAreSortedInTheTableAndListedOnceInFirstOrder) {
    CandidateTable table;
    table.generate();
    const auto all = front3::publishGroups(table, ' ');
    ASSERT_EQ(all.lines.size(), 165u);
    EXPECT_EQ(all.lines.front(), "01 02 03");
    EXPECT_EQ(all.lines.back(), "09 10 11");
    EXPECT_EQ(rowText(table, 190), "01 02 03");  // 03 02 01, sorted where it stands

    table.generate();
    for (int row = 1; row <= 990; ++row) {
        if (row != 190 && row != 500) table.kill(row);
    }
    const auto two = front3::publishGroups(table, ',');
    const std::string at500 = rowText(table, 500);
    EXPECT_EQ(two.lines.size(), 2u);
    EXPECT_EQ(two.lines.front(), "01,02,03");
    EXPECT_EQ(two.text, "01,02,03\r\n" + two.lines.back());
    EXPECT_EQ(at500.substr(0, 2) < at500.substr(3, 2), true);
}

}  // namespace
