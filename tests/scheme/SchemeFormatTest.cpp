#include <gtest/gtest.h>

#include "scheme/Scheme.h"
#include "tests/support/SampleSchemes.h"

namespace {

using scheme::Edition;
using scheme::readScheme;
using scheme::Scheme;
using scheme::writeScheme;

Scheme read(const std::string& text) {
    auto result = readScheme(text);
    EXPECT_TRUE(result.scheme.has_value()) << result.error;
    return result.scheme.value_or(Scheme{});
}

TEST(SchemeFormat, StartUpStateWritesOnlyTheEdition) {
    EXPECT_EQ(writeScheme(Scheme{}), "{\n  \"edition\": \"any5\"\n}\n");
    Scheme front3;
    front3.edition = Edition::Front3;
    EXPECT_EQ(writeScheme(front3), "{\n  \"edition\": \"front3\"\n}\n");
    EXPECT_EQ(read("{\"edition\": \"front3\"}"), front3);
}

TEST(SchemeFormat, WritesKeysInOneOrderWithSortedSetsWhateverTheFileOrder) {
    const Scheme scheme = read(R"({"killRuns": ["五连", "不连", "五连"], "killNumbers": [11, 3, 3],
        "edition": "any5", "killPairs": [[11, 2], [1, 2], [2, 1]],
        "bankers": [{"counts": [2], "numbers": [9, 1]}, {}, {}], "comma": false,
        "killCompound": "01 02\n"})");
    EXPECT_EQ(writeScheme(scheme), R"({
  "edition": "any5",
  "killPairs": [
    [
      1,
      2
    ],
    [
      2,
      11
    ]
  ],
  "killNumbers": [
    3,
    11
  ],
  "bankers": [
    {
      "numbers": [
        1,
        9
      ],
      "counts": [
        2
      ]
    }
  ],
  "killCompound": "01 02\r\n",
  "killRuns": [
    "不连",
    "五连"
  ]
}
)");
}

TEST(SchemeFormat, EverySampleKeySurvivesWritingAndReading) {
    for (const char* text : testsupport::kAny5Schemes) {
        const Scheme scheme = read(text);
        EXPECT_EQ(read(writeScheme(scheme)), scheme);
        EXPECT_EQ(writeScheme(read(writeScheme(scheme))), writeScheme(scheme));
    }
    for (const char* text : testsupport::kFront3Schemes) {
        const Scheme scheme = read(text);
        EXPECT_EQ(scheme.edition, Edition::Front3);
        EXPECT_EQ(read(writeScheme(scheme)), scheme);
    }
}

TEST(SchemeFormat, TextsKeepEveryLineBreakAsCrLfAndEmptyMeansAnEmptiedBox) {
    const Scheme scheme = read(
        R"({"edition": "any5", "killCompound": "a\nb\rc\r\nd", "killTriples": "", "basePool": "x"})");
    EXPECT_EQ(scheme.killCompound, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(scheme.killTriples, "");
    EXPECT_EQ(scheme.keepTriples, std::nullopt);
    EXPECT_NE(writeScheme(scheme).find("\"killTriples\": \"\""), std::string::npos);
}

TEST(SchemeFormat, ReadsFilesWithAByteOrderMarkAndTrailingEmptyBankerGroups) {
    const Scheme scheme =
        read("\xEF\xBB\xBF{\"edition\": \"any5\", \"bankers\": [{\"numbers\": [2]}, {}, {}]}\r\n");
    ASSERT_EQ(scheme.bankers.size(), 1u);
    EXPECT_EQ(scheme.bankers[0].numbers, scheme::Values{2});
}

TEST(SchemeFormat, EditionsHaveTheirOwnRanges) {
    EXPECT_EQ(read(R"({"edition": "front3", "killSpans": [2], "killSums": [6, 30],
                       "oddCounts": [0, 3], "bankers": [{"counts": [3]}]})")
                  .killSums,
              (scheme::Values{6, 30}));
    EXPECT_EQ(read(R"({"edition": "any5", "killSpans": [4, 10], "killSums": [15, 45],
                       "oddCounts": [5], "bankers": [{"counts": [5]}]})")
                  .killSpans,
              (scheme::Values{4, 10}));
}

struct BadCase {
    const char* what;
    std::string text;
    std::vector<std::string> named;  // what the message must mention
};

TEST(SchemeFormat, EveryKindOfBadFileGivesOneLineNamingItAndNoScheme) {
    const std::vector<BadCase> cases = {
        {"empty", "  \n", {"空"}},
        {"not JSON", "{\"edition\": \"any5\",\n \"killNumbers\": [1,]}", {"JSON", "第 2 行"}},
        {"not JSON at all", "01 02 03 04 05", {"JSON", "第 1 行"}},
        {"number beyond any float", "{\"edition\": \"any5\", \"killSums\": [1e999]}", {"JSON"}},
        {"invalid UTF-8", "{\"edition\": \"any5\", \"killCompound\": \"\xFF\"}", {"JSON"}},
        {"not an object", "[1, 2]", {"对象", "[1,2]"}},
        {"no edition", "{\"comma\": true}", {"\"edition\""}},
        {"bad edition", "{\"edition\": \"any3\"}", {"\"edition\"", "\"any3\""}},
        {"unknown key", "{\"edition\": \"any5\", \"killNumber\": [1]}", {"\"killNumber\""}},
        {"unknown key with a line break",
         "{\"edition\": \"any5\", \"kill\\nSums\": []}",
         {"\"kill\\nSums\""}},
        {"key of the other edition",
         "{\"edition\": \"any5\", \"killDirect\": \"01 02 03\"}",
         {"\"killDirect\"", "前三版"}},
        {"key of the other edition (front-3)",
         "{\"edition\": \"front3\", \"killParity\": []}",
         {"\"killParity\"", "任5版"}},
        {"string for a list",
         "{\"edition\": \"any5\", \"killNumbers\": \"1 2\"}",
         {"\"killNumbers\"", "\"1 2\""}},
        {"float for an integer",
         "{\"edition\": \"any5\", \"killNumbers\": [1.0]}",
         {"\"killNumbers\"", "1.0"}},
        {"number for a text",
         "{\"edition\": \"any5\", \"killQuads\": 1234}",
         {"\"killQuads\"", "1234"}},
        {"number for a flag", "{\"edition\": \"front3\", \"group\": 1}", {"\"group\"", "1"}},
        {"ball 12", "{\"edition\": \"any5\", \"killNumbers\": [12]}", {"\"killNumbers\"", "12"}},
        {"ball 0", "{\"edition\": \"front3\", \"killNumbers\": [0]}", {"\"killNumbers\"", "0"}},
        {"huge number",
         "{\"edition\": \"any5\", \"killSums\": [18446744073709551615]}",
         {"\"killSums\"", "18446744073709551615"}},
        {"negative count", "{\"edition\": \"any5\", \"oddCounts\": [-1]}", {"\"oddCounts\"", "-1"}},
        {"any-5 span 3", "{\"edition\": \"any5\", \"killSpans\": [3]}", {"\"killSpans\"", "3"}},
        {"front-3 sum 31", "{\"edition\": \"front3\", \"killSums\": [31]}", {"\"killSums\"", "31"}},
        {"front-3 count 4",
         "{\"edition\": \"front3\", \"bigCounts\": [4]}",
         {"\"bigCounts\"", "4"}},
        {"smallest 8", "{\"edition\": \"any5\", \"smallest\": [8]}", {"\"smallest\"", "8"}},
        {"largest 4", "{\"edition\": \"any5\", \"largest\": [4]}", {"\"largest\"", "4"}},
        {"sum tail 10",
         "{\"edition\": \"any5\", \"killSumTails\": [10]}",
         {"\"killSumTails\"", "10"}},
        {"big from 8", "{\"edition\": \"any5\", \"bigFrom\": 8}", {"\"bigFrom\"", "8"}},
        {"tolerance not an object",
         "{\"edition\": \"any5\", \"tolerance\": 1}",
         {"\"tolerance\"", "1"}},
        {"tolerance below 0",
         "{\"edition\": \"any5\", \"tolerance\": {\"max\": -1}}",
         {"\"tolerance\"", "\"max\"", "-1"}},
        {"tolerance beyond the conditions",
         "{\"edition\": \"front3\", \"tolerance\": {\"max\": 25}}",
         {"\"tolerance\"", "25", "0..24"}},
        {"tolerance min above max",
         "{\"edition\": \"any5\", \"tolerance\": {\"min\": 2, \"max\": 1}}",
         {"\"tolerance\"", "\"min\"", "2"}},
        {"condition of the other edition",
         "{\"edition\": \"any5\", \"tolerance\": {\"hard\": [\"杀012路\"]}}",
         {"\"tolerance\"", "\"hard\"", "杀012路"}},
        {"unknown tolerance key",
         "{\"edition\": \"front3\", \"tolerance\": {\"most\": 1}}",
         {"\"tolerance\"", "\"most\""}},
        {"unknown run",
         "{\"edition\": \"any5\", \"killRuns\": [\"六连\"]}",
         {"\"killRuns\"", "六连"}},
        {"front-3 caption in any-5",
         "{\"edition\": \"any5\", \"killRuns\": [\"2连\"]}",
         {"\"killRuns\"", "2连"}},
        {"short arrangement",
         "{\"edition\": \"any5\", \"killParity\": [\"奇偶\"]}",
         {"\"killParity\"", "奇偶"}},
        {"path 3", "{\"edition\": \"front3\", \"killPaths\": [\"013\"]}", {"\"killPaths\"", "013"}},
        {"pattern mixing families",
         "{\"edition\": \"front3\", \"killPatterns\": [\"大奇质\"]}",
         {"\"killPatterns\"", "大奇质"}},
        {"number for a caption",
         "{\"edition\": \"front3\", \"killShapes\": [2]}",
         {"\"killShapes\"", "2"}},
        {"six spacing values",
         "{\"edition\": \"any5\", \"killSpacing\": [1, 2, 3, 4, 5, 6]}",
         {"\"killSpacing\"", "5", "6"}},
        {"six any-5 banker groups",
         "{\"edition\": \"any5\", \"bankers\": [{}, {}, {}, {}, {}, {}]}",
         {"\"bankers\"", "5", "6"}},
        {"four front-3 banker groups",
         "{\"edition\": \"front3\", \"bankers\": [{}, {}, {}, {}]}",
         {"\"bankers\"", "3", "4"}},
        {"banker group not an object",
         "{\"edition\": \"any5\", \"bankers\": [[1, 2]]}",
         {"\"bankers\"", "第 1 组", "[1,2]"}},
        {"unknown banker key",
         "{\"edition\": \"any5\", \"bankers\": [{}, {\"number\": [1]}]}",
         {"\"bankers\"", "第 2 组", "\"number\""}},
        {"banker count 6",
         "{\"edition\": \"any5\", \"bankers\": [{\"counts\": [6]}]}",
         {"\"bankers\"", "\"counts\"", "6"}},
        {"pair of one number",
         "{\"edition\": \"any5\", \"killPairs\": [[3, 3]]}",
         {"\"killPairs\"", "[3,3]"}},
        {"pair of three",
         "{\"edition\": \"front3\", \"keepPairs\": [[1, 2, 3]]}",
         {"\"keepPairs\"", "[1,2,3]"}},
        {"four positions",
         "{\"edition\": \"front3\", \"killPositions\": [[], [], [], [1]]}",
         {"\"killPositions\"", "4"}},
        {"position 12",
         "{\"edition\": \"front3\", \"killPositions\": [[], [12]]}",
         {"\"killPositions\"", "第 2 位", "12"}},
    };
    for (const auto& bad : cases) {
        const auto result = readScheme(bad.text);
        EXPECT_FALSE(result.scheme.has_value()) << bad.what;
        EXPECT_EQ(result.error.find('\n'), std::string::npos) << bad.what << ": " << result.error;
        for (const auto& word : bad.named) {
            EXPECT_NE(result.error.find(word), std::string::npos)
                << bad.what << ": \"" << result.error << "\" does not name " << word;
        }
    }
}

TEST(SchemeFormat, LongBadValuesAreCutShortInTheMessage) {
    const std::string longText(10'000, '9');
    const auto result =
        readScheme("{\"edition\": \"any5\", \"killNumbers\": \"" + longText + "\"}");
    ASSERT_FALSE(result.scheme);
    EXPECT_LT(result.error.size(), 300u);
    EXPECT_NE(result.error.find("…"), std::string::npos);
}

}  // namespace
