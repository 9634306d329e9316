#include "engine/Captions.h"

#include <gtest/gtest.h>

namespace {

TEST(PairCaptions, FiftyFivePairsInLexicographicOrderOnTwoLines) {
    const auto captions = engine::pairCaptions();
    ASSERT_EQ(captions.size(), 55u);
    EXPECT_EQ(captions[0], "01\r\n02");
    EXPECT_EQ(captions[1], "01\r\n03");
    EXPECT_EQ(captions[9], "01\r\n11");
    EXPECT_EQ(captions[10], "02\r\n03");
    EXPECT_EQ(captions[54], "10\r\n11");
}

TEST(Captions, FirstBankerGroupKeepsOneAtIndexNine) {
    const auto captions = engine::firstBankerCaptions();
    ASSERT_EQ(captions.size(), 11u);
    EXPECT_EQ(captions[0], "02");
    EXPECT_EQ(captions[8], "10");
    EXPECT_EQ(captions[9], "01");
    EXPECT_EQ(captions[10], "11");
}

}  // namespace
