#include "toolkit/LineBreaks.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    std::string input;
    std::string crLf;
    std::string lf;
};

TEST(LineBreaks, EveryKindOfLineEndBecomesCrLfAndBack) {
    const Row rows[] = {
        {"unix", "01 02\n03 04", "01 02\r\n03 04", "01 02\n03 04"},
        {"old mac", "01 02\r03 04", "01 02\r\n03 04", "01 02\n03 04"},
        {"windows stays", "01 02\r\n03 04", "01 02\r\n03 04", "01 02\n03 04"},
        {"mixed and trailing", "a\n\r\nb\r", "a\r\n\r\nb\r\n", "a\n\nb\n"},
        {"lf cr is two breaks", "a\n\rb", "a\r\n\r\nb", "a\n\nb"},
        {"paragraph separator",
         "a\xE2\x80\xA9"
         "b",
         "a\r\nb", "a\nb"},
        {"line separator",
         "a\xE2\x80\xA8"
         "b",
         "a\r\nb", "a\nb"},
        {"other three-byte text untouched", "\xE2\x80\x94", "\xE2\x80\x94", "\xE2\x80\x94"},
        {"lone lead byte at the end", "a\xE2", "a\xE2", "a\xE2"},
        {"empty", "", "", ""},
        {"only breaks", "\n\n", "\r\n\r\n", "\n\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(toolkit::toCrLf(row.input), row.crLf);
        EXPECT_EQ(toolkit::toLf(row.input), row.lf);
    }
}

TEST(LineBreaks, TrimRemovesOnlySpaces) {
    EXPECT_EQ(toolkit::trimSpaces("  01 02  "), "01 02");
    EXPECT_EQ(toolkit::trimSpaces("\r\n01 \t"), "\r\n01 \t");
    EXPECT_EQ(toolkit::trimSpaces("   "), "");
    EXPECT_EQ(toolkit::trimSpaces(""), "");
}

}  // namespace
