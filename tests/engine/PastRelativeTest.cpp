#include "engine/PastRelative.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

engine::BetMask bet(std::initializer_list<int> numbers) {
    return engine::maskOf(numbers);
}

// Worked by hand; 01 and 11 are never neighbours.
TEST(PastRelative, RepeatNeighbourAndIsolatedCountsAddUpToTheBet) {
    struct Case {
        engine::BetMask bet;
        engine::BetMask previous;
        int repeat, neighbour, isolated;
    };
    const Case cases[] = {
        {bet({1, 2, 3, 4, 5}), bet({3, 7, 1, 11, 5}), 3, 2, 0},
        {bet({2, 3, 9, 10, 11}), bet({1, 5, 6, 7, 11}), 1, 2, 2},
        {bet({7, 8, 9, 10, 11}), bet({1, 2, 3, 4, 5}), 0, 0, 5},
        {bet({1, 6, 8, 10, 11}), bet({2, 4, 6, 8, 10}), 3, 2, 0},
        {bet({3, 7, 1, 11, 5}), bet({3, 7, 1, 11, 5}), 5, 0, 0},
        {bet({1, 2, 3}), bet({2, 5, 9}), 1, 2, 0},  // front-3: the first three as a set
        {bet({1, 11, 6}), bet({10, 2, 6}), 1, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.bet << " against " << c.previous);
        EXPECT_EQ(engine::repeatCount(c.bet, c.previous), c.repeat);
        EXPECT_EQ(engine::neighbourCount(c.bet, c.previous), c.neighbour);
        EXPECT_EQ(engine::isolatedCount(c.bet, c.previous), c.isolated);
    }
}

// Hits are counted over the newest `draws` of the reference only, and the
// bounds are inclusive: 6 hits of 10 is hot, 3 is cold.
TEST(PastRelative, HeatClassesOfTheNewestDrawsWithInclusiveBounds) {
    std::vector<engine::BetMask> newestFirst;
    for (int d = 0; d < 10; ++d) {
        engine::BetMask draw = 0;
        if (d < 6) draw |= engine::bitOf(1);  // 6 hits: hot
        if (d < 5) draw |= engine::bitOf(4);  // 5: warm
        if (d < 4) draw |= engine::bitOf(3);  // 4: warm
        if (d < 3) draw |= engine::bitOf(2);  // 3: cold
        newestFirst.push_back(draw);
    }
    EXPECT_FALSE(engine::heatClasses(std::span(newestFirst).first(9), engine::kAny5HeatRule));
    newestFirst.push_back(bet({2, 5, 6, 7, 8}));  // an 11th, older draw: not counted
    const auto classes = engine::heatClasses(newestFirst, engine::kAny5HeatRule);
    ASSERT_TRUE(classes);
    EXPECT_EQ(classes->hot, bet({1}));
    EXPECT_EQ(classes->warm, bet({3, 4}));
    EXPECT_EQ(classes->cold, bet({2, 5, 6, 7, 8, 9, 10, 11}));
    const auto front3 = engine::heatClasses(newestFirst, engine::kFront3HeatRule);
    ASSERT_TRUE(front3);
    EXPECT_EQ(front3->hot, bet({1, 3, 4}));
    EXPECT_EQ(front3->cold, bet({5, 6, 7, 8, 9, 10, 11}));

    EXPECT_TRUE(engine::kAny5HeatRule.isValid());
    EXPECT_FALSE((engine::HeatRule{4, 3, 1}.isValid()));   // fewer than 5 draws
    EXPECT_FALSE((engine::HeatRule{10, 3, 3}.isValid()));  // cold must be below hot
}

TEST(PastRelative, AcValuesAndRoads) {
    EXPECT_EQ(engine::acValue(bet({1, 2, 3, 4, 5})), 0);
    EXPECT_EQ(engine::acValue(bet({1, 2, 4, 8, 11})), 4);
    EXPECT_EQ(engine::acValue(bet({1, 3, 7, 8, 11})), 5);
    int largest = 0;
    for (unsigned mask = 0; mask < 2048; ++mask) {
        if (engine::countNumbers(static_cast<engine::BetMask>(mask)) == 5)
            largest = std::max(largest, engine::acValue(static_cast<engine::BetMask>(mask)));
    }
    EXPECT_EQ(largest, 5);
    const engine::BetMask b = bet({3, 6, 9, 10, 11});
    EXPECT_EQ(engine::roadCount(b, 0), 3);
    EXPECT_EQ(engine::roadCount(b, 1), 1);
    EXPECT_EQ(engine::roadCount(b, 2), 1);
}

}  // namespace
