#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "tests/cli/RunQuorvel.h"
#include "tests/history/TempFolder.h"

namespace {

using clitest::Outcome;
using clitest::quorvel;

// 杀 11 and 胆 03 07 出 2, with 容错 0-1.
const std::string kAny5 = R"({"edition": "any5", "killNumbers": [11],
    "bankers": [{"numbers": [3, 7], "counts": [2]}], "tolerance": {"max": 1}})";
const std::string kFront3 = R"({"edition": "front3", "killPositions": [[1], [], []]})";
const std::string kFront3Groups = R"({"edition": "front3", "group": true,
    "killPositions": [[1], [], []]})";
// Oldest first, as a file lists them; the last line has no issue.
const std::string kDraws =
    "期号,号码1,号码2,号码3,号码4,号码5\n"
    "2026120801,03,07,01,11,05\n"
    "2026120802 01 02 03 04 05\n"
    "2026120803|03+07+08+09+10\n"
    "02 01 03 11 06\n";

// A command and what it prints; an empty err is not checked.
struct Case {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string err;
};

template <std::size_t N>
void expectOutcomes(const Case (&cases)[N], const std::map<std::string, std::string>& files) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = quorvel(c.args, files);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(outcome.out, c.out);
        if (!c.err.empty()) {
            EXPECT_EQ(outcome.err, c.err);
        }
        // One line naming the problem.
        if (c.code != 0) {
            EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1);
        }
    }
}

// The kept history through the runner: import, list, export, a second import
// that skips what is known, and the back-test from the store and from the
// file giving one table.
TEST(RunnerHistory, ImportListExportAndBacktestFromTheStoreOrAFile) {
    historytest::TempFolder folder;
    const std::string db = folder.file("h.sqlite");
    const std::map<std::string, std::string> files = {
        {"d.txt", kDraws}, {"a.json", kAny5}, {"f.json", kFront3}, {"g.json", kFront3Groups}};
    const auto import =
        quorvel({"history", "import", "--lottery", "广东11选5", "d.txt", "--db", db}, files);
    EXPECT_EQ(import.code, 0);
    EXPECT_EQ(import.out, "导入 4 期，跳过重复 0 期，错误 0 行\n");
    EXPECT_EQ(
        quorvel({"history", "list", "--lottery", "广东11选5", "--last", "2", "--db", db}, files)
            .out,
        "2026120804 02 01 03 11 06\n2026120803 03 07 08 09 10\n");
    const auto csv =
        quorvel({"history", "export", "--lottery", "广东11选5", "--db", db}, files).out;
    EXPECT_NE(csv.find("2026120801,03,07,01,11,05"), std::string::npos);

    // Winners: 03 07 01 11 05 breaks 通杀码 only, so 容错 0-1 keeps it;
    // 01..05 breaks 胆码1 only; 03 07 08 09 10 breaks nothing; the last both.
    const auto backtest =
        quorvel({"backtest", "a.json", "--lottery", "广东11选5", "--db", db}, files);
    EXPECT_EQ(backtest.code, 0);
    EXPECT_EQ(backtest.out,
              "条件    设置           杀注比例  错杀率  错杀期数  参与容错  差于随机\n"
              "胆码1   胆 03 07 出 2     81.8%   50.0%         2  是        否\n"
              "通杀码  杀 11             45.5%   50.0%         2  是        是\n"
              "回测 4 期：中奖号保留 3 期，被杀 1 期；最长连续被杀 1 期；当前剩 280 注\n"
              "每期买下全部剩余号码：共花费 2240 元，中奖 1620 元，盈亏 -620 元\n"
              "随机选同样多注的期望：保留 2.4 期；这些条件好于随机\n");
    EXPECT_EQ(quorvel({"backtest", "a.json", "--draws", "d.txt"}, files).out, backtest.out);
    EXPECT_EQ(quorvel({"backtest", "a.json", "--draws", "d.txt", "--last", "1"}, files)
                  .out.substr(backtest.out.find("回测")),
              "回测 1 期：中奖号保留 0 期，被杀 1 期；最长连续被杀 1 期；当前剩 280 注\n"
              "每期买下全部剩余号码：共花费 560 元，中奖 0 元，盈亏 -560 元\n"
              "随机选同样多注的期望：保留 0.6 期；这些条件不好于随机\n");
    // Front-3 kills 01 in the first place: 01 02 03 is struck as a bet, and
    // as a group only when every ordering is.
    EXPECT_NE(quorvel({"backtest", "f.json", "--draws", "d.txt"}, files)
                  .out.find("回测 4 期：中奖号保留 3 期"),
              std::string::npos);
    EXPECT_NE(quorvel({"backtest", "g.json", "--draws", "d.txt"}, files)
                  .out.find("回测 4 期：中奖号保留 4 期"),
              std::string::npos);

    // Known issues are skipped; a line without one cannot be known, and is
    // numbered on from the newest again.
    EXPECT_EQ(
        quorvel({"history", "import", "d.txt", "--db", db, "--lottery", "广东11选5"}, files).out,
        "导入 1 期，跳过重复 3 期，错误 0 行\n");
}

TEST(RunnerHistory, CheckAndRefusals) {
    historytest::TempFolder folder;
    const std::string notHistory = folder.file("notes.txt");
    historytest::writeBytes(notHistory, "my notes\n");
    const std::map<std::string, std::string> files = {
        {"a.json", kAny5}, {"f.json", kFront3}, {"bad.txt", "03 07 01 11 05\n03 07 01 12 05\n"}};
    const Case cases[] = {
        {"any-5 check",
         {"check", "a.json", "--draw", "03 07 01 11 05"},
         0,
         "对奖 03 07 01 11 05：中了，结果里有这一注（共 280 注）\n"
         "中 4 个号码 18 注，中 3 个 75 注，中 2 个 120 注，中 1 个 60 注，中 0 个 "
         "6 注\n"
         "中 1 注任选五，奖金 540 元；成本 560 元，盈亏 -20 元\n",
         ""},
        {"front-3 check of the first three",
         {"check", "f.json", "--draw", "02 01 03"},
         0,
         "对奖 02 01 03：前三直选 中，前三组选 中（共 900 注）\n前二直选（前两位 02 01）9 注\n"
         "中 1 注前三直选，奖金 1170 元；成本 1800 元，盈亏 -630 元\n",
         ""},
        {"not a draw",
         {"check", "a.json", "--draw", "03 07 01"},
         2,
         "",
         "quorvel: 不是一期开奖号：应为 5 个号码，这里有 3 个\n"},
        {"refused line",
         {"backtest", "a.json", "--draws", "bad.txt"},
         2,
         "",
         "quorvel: bad.txt: 导入 0 期，跳过重复 0 期，错误 1 行：第 2 行 号码超出 1..11\n"},
        {"no source",
         {"backtest", "a.json"},
         2,
         "",
         "quorvel: backtest: --lottery or --draws is required\n"},
        {"not a history file",
         {"history", "list", "--lottery", "x", "--db", notHistory},
         2,
         "",
         ""},
        {"unknown lottery",
         {"history", "list", "--lottery", "山东11选5", "--db", folder.file("new.sqlite")},
         2,
         "",
         ""},
    };
    expectOutcomes(cases, files);
    EXPECT_EQ(historytest::bytesOf(notHistory), "my notes\n");
}

TEST(RunnerHistory, AnIssueKeptWithOtherNumbersIsReplacedOnlyWhenAsked) {
    historytest::TempFolder folder;
    const std::string db = folder.file("h.sqlite");
    const std::map<std::string, std::string> files = {{"d.txt", kDraws},
                                                      {"fix.txt", "2026120801 03 07 01 11 06\n"}};
    const std::vector<std::string> import = {"history",   "import", "--lottery",
                                             "广东11选5", "--db",   db};
    const auto with = [&import](std::vector<std::string> more) {
        more.insert(more.begin(), import.begin(), import.end());
        return more;
    };
    ASSERT_EQ(quorvel(with({"d.txt"}), files).code, 0);
    const auto refused = quorvel(with({"fix.txt"}), files);
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.err,
              "quorvel: 导入 0 期，跳过重复 0 期，错误 0 行，期号冲突 1 行：第 1 行：2026120801 "
              "期已有 03 07 01 11 05，与本行不同\n");
    const auto replaced = quorvel(with({"fix.txt", "--replace"}), files);
    EXPECT_EQ(replaced.code, 0);
    EXPECT_EQ(replaced.out, "导入 0 期，跳过重复 0 期，错误 0 行，覆盖 1 期\n");
    EXPECT_EQ(quorvel({"history", "export", "--lottery", "广东11选5", "--db", db}, files)
                  .out.find("2026120801,03,07,01,11,06"),
              std::string("\xEF\xBB\xBF期号,号码1,号码2,号码3,号码4,号码5\n").size());
}

}  // namespace

namespace {

// The rows read against past draws find them where the arguments say: the
// kept history, a file of draws or a typed previous draw; without one a
// command that needs it refuses, naming the scheme key.
TEST(RunnerHistory, RowsReadAgainstPastDrawsTakeTheDrawsTheArgumentsName) {
    historytest::TempFolder folder;
    const std::string db = folder.file("h.sqlite");
    const std::map<std::string, std::string> files = {
        {"d.txt", kDraws},
        {"all.json", R"({"edition": "any5", "repeatCounts": [5]})"},
        {"cold.json",
         R"({"edition": "any5", "coldCounts": [0], "hotRule": {"draws": 5, "hot": 3, "cold": 1}})"},
        {"f.json", R"({"edition": "front3", "repeatCounts": [3]})"},
        {"gap.txt",
         "2026120801 01 02 03 04 05\n2026120803 03 07 01 11 05\n2026120804 01 02 03 04 06\n"}};
    ASSERT_EQ(
        quorvel({"history", "import", "--lottery", "广东11选5", "d.txt", "--db", db}, files).code,
        0);
    const std::string missingPrevious =
        "quorvel: 方案设了 \"repeatCounts\"（重号个数），不能应用，缺少开奖历史：没有上期开奖号；"
        "请用 --lottery NAME、--draws FILE 或 --previous \"03 07 01 11 05\" 给出上期\n";
    const Case cases[] = {
        {"typed",
         {"filter", "all.json", "--previous", "03 07 01 11 05"},
         0,
         "01 03 05 07 11\n",
         ""},
        {"kept: the newest draw",
         {"filter", "all.json", "--lottery", "广东11选5", "--db", db},
         0,
         "01 02 03 06 11\n",
         ""},
        {"file", {"filter", "all.json", "--draws", "d.txt"}, 0, "01 02 03 06 11\n", ""},
        {"front-3 reads the first three",
         {"filter", "--count", "f.json", "--previous", "03 07 01 11 05"},
         0,
         "6\n",
         ""},
        {"explain",
         {"explain", "all.json", "01 02 03 04 05", "--previous", "03 07 01 11 05"},
         0,
         "重号个数：重号 3 个\n",
         ""},
        {"no reference", {"filter", "all.json"}, 2, "", missingPrevious},
        {"check without",
         {"check", "all.json", "--draw", "03 07 01 11 05"},
         2,
         "",
         missingPrevious},
        {"reduce without", {"reduce", "all.json", "--play", "任选五"}, 2, "", missingPrevious},
        {"a typed draw serves no classes",
         {"filter", "cold.json", "--previous", "03 07 01 11 05"},
         2,
         "",
         "quorvel: 方案设了 \"coldCounts\"（冷号个数），不能应用，缺少开奖历史：热温冷要 5 "
         "期开奖历史，"
         "现有 0 期；请用 --lottery NAME 或 --draws FILE 给出开奖历史\n"},
        {"four kept draws are too few", {"filter", "cold.json", "--draws", "d.txt"}, 2, "", ""},
        {"a missing issue is named under the back-test",
         {"backtest", "all.json", "--draws", "gap.txt"},
         0,
         "条件      设置  杀注比例  错杀率  错杀期数  参与容错  差于随机\n"
         "重号个数  出 5     99.8%  100.0%         2  是        是\n"
         "回测 2 期：中奖号保留 0 期，被杀 2 期；最长连续被杀 2 期；当前剩 1 注\n"
         "每期买下全部剩余号码：共花费 4 元，中奖 0 元，盈亏 -4 元\n"
         "随机选同样多注的期望：保留 0.0 期；这些条件不好于随机\n"
         "前 1 期开奖历史不足，未计入\n"
         "开奖历史缺少 2026120802 期：它后面一期的上期不是真正的上一期\n",
         ""},
        {"bad typed draw",
         {"filter", "all.json", "--previous", "03 07 01"},
         2,
         "",
         "quorvel: --previous: 上期号码不对：应为 5 个号码，这里有 3 个\n"},
    };
    expectOutcomes(cases, files);
}

}  // namespace

namespace {

// The chart's statistics of a kept lottery, as text and as CSV.
TEST(RunnerHistory, TrendPrintsTheWindowAndTheStatisticsOfTheKeptDraws) {
    historytest::TempFolder folder;
    const std::string db = folder.file("h.sqlite");
    const std::map<std::string, std::string> files = {{"d.txt", kDraws}};
    ASSERT_EQ(
        quorvel({"history", "import", "--lottery", "广东11选5", "d.txt", "--db", db}, files).code,
        0);
    const auto text =
        quorvel({"trend", "--lottery", "广东11选5", "--db", db, "--last", "2"}, files);
    EXPECT_EQ(text.code, 0);
    std::istringstream lines(text.out);
    std::string line;
    std::vector<std::string> read;
    while (std::getline(lines, line)) read.push_back(line);
    ASSERT_EQ(read.size(), 6u);
    EXPECT_EQ(read[0], "数据从 2026120803 期到 2026120804 期，共 2 期");
    // 01 and 02 in one of the two draws shown, 03 in both.
    EXPECT_EQ(read[1].substr(0, 27), "出现次数    1    1    2");
    EXPECT_EQ(read[5].rfind("当前遗漏", 0), 0u);

    const auto csv = quorvel(
        {"trend", "--lottery", "广东11选5", "--db", db, "--edition", "front3", "--csv"}, files);
    EXPECT_EQ(csv.code, 0);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 4 + 5);
    EXPECT_EQ(csv.out.rfind("期号,开奖号码,第一位01,", 0), 0u);
    EXPECT_EQ(quorvel({"trend", "--lottery", "山东11选5", "--db", db}, files).code, 2);
}

}  // namespace
