#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "scheme/Scheme.h"
#include "tests/cli/RunQuorvel.h"
#include "tests/support/RandomSchemes.h"

namespace {

using clitest::quorvel;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Random pairs of schemes of each edition: the bets diff puts in each part
// are those plain runs of the two schemes share or do not, and its count line
// says how many.
TEST(RunnerDiff, PartsAndCountsAgreeWithPlainRunsOfBothSchemes) {
    testsupport::RandomSchemes schemes(20261213);
    for (int round = 0; round < 16; ++round) {
        const bool any5 = round % 2 == 0;
        const scheme::Scheme a = any5 ? schemes.any5() : schemes.front3();
        const scheme::Scheme b = any5 ? schemes.any5() : schemes.front3();
        const std::map<std::string, std::string> files = {{"a.json", scheme::writeScheme(a)},
                                                          {"b.json", scheme::writeScheme(b)}};
        SCOPED_TRACE(files.at("a.json") + files.at("b.json"));
        const auto listedA = linesOf(quorvel({"filter", "a.json"}, files).out);
        const auto listedB = linesOf(quorvel({"filter", "b.json"}, files).out);
        const std::set<std::string> setA(listedA.begin(), listedA.end());
        const std::set<std::string> setB(listedB.begin(), listedB.end());
        std::vector<std::string> both, onlyA, onlyB;
        for (const auto& line : listedA) (setB.contains(line) ? both : onlyA).push_back(line);
        for (const auto& line : listedB) {
            if (!setA.contains(line)) onlyB.push_back(line);
        }
        EXPECT_EQ(linesOf(quorvel({"diff", "a.json", "b.json", "--bets", "both"}, files).out),
                  both);
        EXPECT_EQ(linesOf(quorvel({"diff", "a.json", "b.json", "--bets", "only-a"}, files).out),
                  onlyA);
        EXPECT_EQ(linesOf(quorvel({"diff", "a.json", "b.json", "--bets", "only-b"}, files).out),
                  onlyB);
        const auto table = quorvel({"diff", "a.json", "b.json"}, files);
        EXPECT_EQ(table.code, 0);
        const std::string unit = !any5 && a.group ? "组" : "注";
        EXPECT_EQ(linesOf(table.out).back(), "共同 " + std::to_string(both.size()) + " " + unit +
                                                 "，只在A " + std::to_string(onlyA.size()) + " " +
                                                 unit + "，只在B " + std::to_string(onlyB.size()) +
                                                 " " + unit);
    }
}

// The table by report names; schemes of two editions or a bad file: exit 2,
// one line.
TEST(RunnerDiff, TheTableNamesEachConditionAndRefusesWhatItCannotCompare) {
    const std::map<std::string, std::string> files = {
        {"a.json", R"({"edition": "any5", "killNumbers": [11], "killSums": [15, 16]})"},
        {"b.json",
         R"({"edition": "any5", "killNumbers": [11], "killSums": [15], "oddCounts": [2]})"},
        {"f.json", R"({"edition": "front3"})"},
        {"bad.json", R"({"edition": "any5", "killSums": [99]})"}};
    const auto table = quorvel({"diff", "a.json", "b.json"}, files);
    EXPECT_EQ(table.code, 0);
    EXPECT_EQ(table.out,
              "条件      A         B      比较\n"
              "杀和值    杀 15 16  杀 15  不同\n"
              "通杀码    杀 11     杀 11  相同\n"
              "奇号个数            出 2   只在B\n"
              "共同 99 注，只在A 151 注，只在B 1 注\n");  // B keeps 01 02 03 04 06, sum 16
    for (const auto& args : std::vector<std::vector<std::string>>{{"diff", "a.json", "f.json"},
                                                                  {"diff", "a.json", "bad.json"}}) {
        const auto refused = quorvel(args, files);
        EXPECT_EQ(refused.code, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    }
}

}  // namespace
