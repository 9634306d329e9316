#include "cli/Runner.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// The runner with in-memory files: a name maps to its text; others are missing.
struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome quorvel(std::vector<std::string> args, std::map<std::string, std::string> files = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int code =
        cli::run(args, out, err, [&files](const std::string& name) -> std::optional<std::string> {
            const auto found = files.find(name);
            if (found == files.end()) return std::nullopt;
            return found->second;
        });
    return {code, out.str(), err.str()};
}

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

TEST(Runner, BadArgumentsAndMissingFilesExitTwoNamingThem) {
    const auto missing = quorvel(
        {"intersect", "--edition", "any5", "--op", "and", "a.txt", "gone.txt"}, {{"a.txt", ""}});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "quorvel: cannot read gone.txt\n");
    EXPECT_EQ(missing.out, "");

    const auto edition = quorvel({"intersect", "--edition", "any6", "--op", "and", "a", "b"});
    EXPECT_EQ(edition.code, 2);
    EXPECT_NE(edition.err.find("\"any6\""), std::string::npos);
    EXPECT_EQ(quorvel({"intersect", "--edition", "any5", "--op", "xor", "a", "b"}).code, 2);
    EXPECT_EQ(quorvel({"bankers"}).code, 2);
    EXPECT_EQ(quorvel({"frobnicate"}).code, 2);
    EXPECT_EQ(quorvel({}).code, 2);
}

TEST(Runner, HelpAndVersion) {
    const auto help = quorvel({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("quorvel bankers HISTORY.txt"), std::string::npos);
    const auto version = quorvel({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("quorvel ", 0), 0u);
}

}  // namespace
