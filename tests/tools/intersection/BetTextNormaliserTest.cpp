#include "tools/intersection/BetTextNormaliser.h"

#include <gtest/gtest.h>

namespace {

TEST(BetTextNormaliser, EveryRunOfOtherCharactersBecomesOneBlank) {
    const std::pair<const char*, const char*> rows[] = {
        {"01,02,03\r\n02-01-03", "01 02 03\r\n02 01 03"},
        {"01 02 03\r\n   02 01 03", "01 02 03\r\n 02 01 03"},
        {"abc", ""},
        {"  x01..02\n03 ", "01 02 03"},
        {"01=02", "01\r\n02"},
        {"\r\n\r\n  01 02 03", "01 02 03"},
        {"01 02 03 \r\n", "01 02 03 \r\n"},
        {"1 2 3", "1 2 3"},
        {"", ""},
        {"01、02，03", "01 02 03"},  // full-width separators
        {"01\r02", "01 02"},
    };
    for (const auto& [input, expected] : rows) {
        SCOPED_TRACE(input);
        EXPECT_EQ(intersection::normaliseBetText(input), expected);
    }
}

}  // namespace
