#include "engine/Selection.h"

#include <gtest/gtest.h>

#include "engine/Captions.h"
#include "engine/ConditionText.h"

namespace {

engine::BetMask numbers(std::initializer_list<int> list) {
    engine::BetMask mask = 0;
    for (int n : list) mask |= static_cast<engine::BetMask>(1u << (n - 1));
    return mask;
}

TEST(Selection, TokensAreFoundAnywhereInTheText) {
    const std::pair<const char*, engine::BetMask> rows[] = {
        {"01 02 03", numbers({1, 2, 3})},
        {"0102", numbers({1, 2, 10})},
        {"1 2 3", 0},
        {"11:05", numbers({11, 5})},
        {"110", numbers({11, 10})},
        {"00 12 13 99", 0},
        {"", 0},
        {"01\r\n02", numbers({1, 2})},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(engine::tokenMask(text), expected);
    }
}

TEST(Selection, TwoCharactersSpellAtMostOneNumber) {
    EXPECT_EQ(engine::numberAt('0', '5'), 5);
    EXPECT_EQ(engine::numberAt('1', '1'), 11);
    EXPECT_EQ(engine::numberAt('1', '0'), 10);
    EXPECT_EQ(engine::numberAt('1', '2'), 0);
    EXPECT_EQ(engine::numberAt('0', '0'), 0);
    EXPECT_EQ(engine::numberAt(' ', '5'), 0);
}

TEST(Selection, CaptionsGiveTheirValues) {
    EXPECT_EQ(engine::captionValue("05"), 5);
    EXPECT_EQ(engine::captionValue("45"), 45);
    EXPECT_EQ(engine::captionValue("0"), 0);
    EXPECT_EQ(engine::captionValue("两连"), -1);
    EXPECT_EQ(engine::captionValue("123"), -1);
    EXPECT_EQ(engine::numbersInList(engine::bigNumberList(0)), numbers({7, 8, 9, 10, 11}));
    EXPECT_EQ(engine::numbersInList(engine::bigNumberList(1)), numbers({6, 7, 8, 9, 10, 11}));
}

TEST(Selection, SelectedButtonsAreReadByCaptionNotIndex) {
    toolkit::ButtonArray bankers("C_danma_chu", engine::firstBankerCaptions());
    bankers[9].setBackColour(toolkit::palette::kGreen);    // "01"
    bankers[10].setBackColour(toolkit::palette::kYellow);  // "11", not the selected colour
    EXPECT_EQ(engine::selectedNumbers(bankers, toolkit::palette::kGreen), numbers({1}));
    toolkit::ButtonArray sums("C_sha_hezhi", toolkit::plainCaptions(15, 45));
    sums[0].setBackColour(toolkit::palette::kYellow);
    sums[30].setBackColour(toolkit::palette::kYellow);
    EXPECT_EQ(engine::selectedValues(sums, toolkit::palette::kYellow),
              (std::uint64_t{1} << 15) | (std::uint64_t{1} << 45));
    // A setting's text reads the buttons: numbers smallest first, a pair as
    // on its button, pairs apart.
    EXPECT_EQ(engine::selectedText(bankers, toolkit::palette::kGreen, "胆"), "胆 01");
    EXPECT_EQ(engine::selectedText(sums, toolkit::palette::kYellow, "杀"), "杀 15 45");
    toolkit::ButtonArray pairs("C_sha2ma", engine::pairCaptions());
    pairs[0].setBackColour(toolkit::palette::kYellow);
    pairs[1].setBackColour(toolkit::palette::kYellow);
    EXPECT_EQ(engine::selectedText(pairs, toolkit::palette::kYellow, "杀"), "杀 01 02、01 03");
}

}  // namespace
