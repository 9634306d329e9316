#include "tests/cli/RunQuorvel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace {

using clitest::Outcome;
using clitest::quorvel;

TEST(Runner, BankersPrintsTheColdestThree) {
    const auto done =
        quorvel({"bankers", "h.txt"}, {{"h.txt",
                                        "01 02 03 04 05\n06 07 08 01 02\r\n09 10 03 04 06\r"
                                        "11 01 02 05 07\n08 09 10 11 03\n"}});
    EXPECT_EQ(done.code, 0);
    EXPECT_EQ(done.out, "11 09 10\n");
    EXPECT_EQ(done.err, "");
}

TEST(Runner, BankersReportsTheAssistantsMessage) {
    const auto done = quorvel({"bankers", "h.txt"}, {{"h.txt", "01 02 03 04 05\n01 02 03\n"}});
    EXPECT_EQ(done.code, 1);
    EXPECT_EQ(done.out, "");
    EXPECT_EQ(done.err, "5期开奖号码不齐全\n");
}

TEST(Runner, IntersectGivesTheToolsLines) {
    const std::map<std::string, std::string> files = {{"a.txt", "01 02 03 04 05\n01 02 03 04 06\n"},
                                                      {"b.txt", "01 02 03 04 06\n"}};
    EXPECT_EQ(
        quorvel({"intersect", "--edition", "any5", "--op", "and", "a.txt", "b.txt"}, files).out,
        "01 02 03 04 06\n");
    EXPECT_EQ(
        quorvel({"intersect", "--edition", "any5", "--op", "or", "a.txt", "b.txt"}, files).out,
        "01 02 03 04 05\n01 02 03 04 06\n");
    const auto none =
        quorvel({"intersect", "--edition", "any5", "--op", "b-a", "a.txt", "b.txt"}, files);
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(quorvel({"intersect", "--comma", "--edition", "front3", "--op", "a-b", "x", "y"},
                      {{"x", "03-02-01\n01 02 03"}, {"y", "01,02,03"}})
                  .out,
              "03,02,01\n");
}

TEST(Runner, UnreadableFileExitsTwoNamingIt) {
    const auto missing = quorvel(
        {"intersect", "--edition", "any5", "--op", "and", "a.txt", "gone.txt"}, {{"a.txt", ""}});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "quorvel: cannot read gone.txt\n");
    EXPECT_EQ(missing.out, "");
}

TEST(Runner, OptionsStandAnywhereAndDashReadsStandardInput) {
    const std::map<std::string, std::string> files = {
        {"-", "01 02 03 04 05\n06 07 08 01 02\n09 10 03 04 06\n11 01 02 05 07\n08 09 10 11 03\n"},
        {"a.txt", "01 02 03 04 05\n01 02 03 04 06\n"},
        {"b.txt", "01 02 03 04 06\n"}};
    EXPECT_EQ(quorvel({"bankers", "-"}, files).out, "11 09 10\n");
    const auto done =
        quorvel({"intersect", "a.txt", "--op", "and", "b.txt", "--edition", "any5"}, files);
    EXPECT_EQ(done.code, 0);
    EXPECT_EQ(done.err, "");
    EXPECT_EQ(done.out, "01 02 03 04 06\n");
}

// Help exits 0 on stdout; anything wrong with the arguments exits 2 with one
// line on stderr that names it, before any file is read.
TEST(Runner, ArgumentsAreCheckedBeforeAnyWork) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::vector<std::string> named;  // on stdout for code 0, on the stderr line otherwise
    };
    const std::vector<Row> rows = {
        {"MainHelp",
         {"--help"},
         0,
         {"filter", "bankers", "intersect", "reduce", "- reads standard input"}},
        {"FilterHelp", {"filter", "--help"}, 0, {"SCHEME.json", "--count"}},
        {"BankersHelp", {"bankers", "-h"}, 0, {"HISTORY.txt"}},
        {"IntersectHelp",
         {"intersect", "--help"},
         0,
         {"A.txt", "B.txt", "a-b", "front3", "--comma"}},
        {"HelpAfterAFile", {"filter", "s.json", "--help"}, 0, {"SCHEME.json"}},
        {"HistoryHelp", {"history", "--help"}, 0, {"import", "list", "export"}},
        {"BacktestHelp", {"backtest", "--help"}, 0, {"--lottery", "--draws", "--last", "--db"}},
        {"NoHistoryAction", {"history"}, 2, {"subcommand"}},
        {"HistoryWithoutLottery", {"history", "list"}, 2, {"--lottery"}},
        {"ListLastZero", {"history", "list", "--lottery", "x", "--last", "0"}, 2, {"--last"}},
        {"BacktestBothSources",
         {"backtest", "s.json", "--lottery", "x", "--draws", "d.txt"},
         2,
         {"--draws"}},
        {"CheckWithoutDraw", {"check", "s.json"}, 2, {"--draw"}},
        {"ReduceHelp",
         {"reduce", "--help"},
         0,
         {"SCHEME.json", "--play", "--all", "--time-limit", "任选八", "前三组选"}},
        {"ReduceUnknownPlay", {"reduce", "s.json", "--play", "任选九"}, 2, {"--play", "任选九"}},
        {"ReducePlayAndAll",
         {"reduce", "s.json", "--all", "--play", "前一"},
         2,
         {"--play", "--all"}},
        {"ReduceNeitherPlayNorAll", {"reduce", "s.json"}, 2, {"--play", "--all"}},
        {"ReduceZeroSeconds",
         {"reduce", "s.json", "--all", "--time-limit", "0"},
         2,
         {"--time-limit"}},
        {"ReduceNegativeSeconds",
         {"reduce", "s.json", "--play", "任选二", "--time-limit", "-1"},
         2,
         {"--time-limit", "-1"}},
        {"ReduceNanSeconds", {"reduce", "s.json", "--all", "--time-limit", "nan"}, 2, {"nan"}},
        {"ReduceSecondsWithUnit", {"reduce", "s.json", "--all", "--time-limit", "3s"}, 2, {"3s"}},
        {"Version", {"--version"}, 0, {"quorvel "}},
        {"NoCommand", {}, 2, {"filter", "bankers", "intersect"}},
        {"UnknownCommand", {"frobnicate", "s.json"}, 2, {"frobnicate"}},
        {"UnknownOption", {"filter", "s.json", "--frob"}, 2, {"--frob"}},
        {"OptionOfAnotherCommand", {"bankers", "--count", "h.txt"}, 2, {"--count"}},
        {"NoSchemeFile", {"filter", "--count"}, 2, {"SCHEME.json"}},
        {"ExtraSchemeFile", {"filter", "s.json", "t.json"}, 2, {"t.json"}},
        {"ExtraHistoryFile", {"bankers", "h.txt", "h2.txt"}, 2, {"h2.txt"}},
        {"SecondCommand", {"bankers", "h.txt", "filter", "s.json"}, 2, {"filter"}},
        {"OneList", {"intersect", "--edition", "any5", "--op", "and", "a.txt"}, 2, {"B.txt"}},
        {"ThreeLists",
         {"intersect", "--edition", "any5", "--op", "or", "a", "b", "c.txt"},
         2,
         {"c.txt"}},
        {"BadEdition", {"intersect", "--edition", "any6", "--op", "and", "a", "b"}, 2, {"any6"}},
        {"BadOp", {"intersect", "a", "b", "--edition", "front3", "--op", "xor"}, 2, {"xor"}},
        {"NoEdition", {"intersect", "--op", "and", "a", "b"}, 2, {"--edition"}},
        {"EditionWithoutValue",
         {"intersect", "a", "b", "--op", "and", "--edition"},
         2,
         {"--edition"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> opened;
        std::ostringstream out;
        std::ostringstream err;
        const int code = cli::run(row.args, out, err, [&opened](const std::string& name) {
            opened.push_back(name);
            return std::optional<std::string>("");
        });
        EXPECT_EQ(code, row.code);
        EXPECT_TRUE(opened.empty());
        const std::string said = code == 0 ? out.str() : err.str();
        if (code == 0) {
            EXPECT_EQ(err.str(), "");
        } else {
            EXPECT_EQ(out.str(), "");
            EXPECT_EQ(said.rfind("quorvel: ", 0), 0u) << said;
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_EQ(said.back(), '\n');
        }
        for (const auto& word : row.named) EXPECT_NE(said.find(word), std::string::npos) << said;
    }
}

}  // namespace
