#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "reducer/PlayTable.h"
#include "tests/cli/RunQuorvel.h"
#include "tests/reducer/LotteryRules.h"

namespace {

using clitest::Outcome;
using clitest::quorvel;

// Few survivors each, so that every reduction is proven at once:
//   a6: the 6 any-5 bets of 06..11        a7: the 21 of 05..11, with commas
//   f3: the 18 front-3 bets of 01..04 not led by 01
//   g4: the 4 groups of 01..04            none: nothing (four numbers are no bet)
const std::map<std::string, std::string> kSchemes = {
    {"a6.json", R"({"edition": "any5", "killNumbers": [1, 2, 3, 4, 5]})"},
    {"a7.json", R"({"edition": "any5", "comma": true, "killNumbers": [1, 2, 3, 4]})"},
    {"f3.json", R"({"edition": "front3", "killNumbers": [5, 6, 7, 8, 9, 10, 11],
                    "killPositions": [[1], [], []]})"},
    {"g4.json", R"({"edition": "front3", "group": true,
                    "killNumbers": [5, 6, 7, 8, 9, 10, 11]})"},
    {"none.json", R"({"edition": "any5", "killNumbers": [1, 2, 3, 4, 5, 6, 7]})"},
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A printed bet or ticket in printed order: distinct two-digit numbers 01..11
// joined by `separator`; nothing when the line is spelled otherwise.
std::vector<int> numbersOf(const std::string& line, char separator) {
    std::vector<int> numbers;
    for (std::size_t at = 0;; at += 3) {
        if (at + 2 > line.size() || !std::isdigit(line[at]) || !std::isdigit(line[at + 1]))
            return {};
        const int number = (line[at] - '0') * 10 + (line[at + 1] - '0');
        if (number < 1 || number > 11 || std::count(numbers.begin(), numbers.end(), number) > 0)
            return {};
        numbers.push_back(number);
        if (at + 2 == line.size()) return numbers;
        if (line[at + 2] != separator) return {};
    }
}

// A printed ticket as the lottery's rules read it.
reducer::Ticket ticketOf(const std::vector<int>& numbers) {
    reducer::Ticket ticket;
    for (const int n : numbers) ticket.numbers[ticket.size++] = static_cast<std::uint8_t>(n);
    return ticket;
}

// Each play's tickets are checked by hand against the scheme's survivors, as
// `filter` prints them: every survivor drawn makes one ticket win, and there
// are as few as the reducer proved. --all lists the plays open to the
// survivors, and marks the cheapest and the best guaranteed prize per 元,
// every one of a tie.
TEST(RunnerReduce, TicketsWinForEverySurvivorAndRefusalsExitTwo) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        int fewest;                     // --play: tickets, proven fewest
        std::vector<std::string> rows;  // --all: each row's play, tickets and marks
        std::string err;                // a refusal's line
    };
    // The proofs take milliseconds; the long limit only keeps a loaded
    // machine (sanitizers, parallel tests) from cutting one short.
    const auto reduce = [](const char* scheme, const char* play) {
        return std::vector<std::string>{"reduce", scheme, "--play", play, "--time-limit", "30"};
    };
    const auto all = [](const char* scheme) {
        return std::vector<std::string>{"reduce", "--time-limit", "30", scheme, "--all"};
    };
    const std::vector<Case> cases = {
        // Seven numbers: three pairs, since two drawn-out numbers can break
        // two pairs but not three.
        {"any 2 of 05..11", reduce("a7.json", "任选二"), 0, 3, {}, ""},
        {"any 3 of 05..11", reduce("a7.json", "任选三"), 0, 5, {}, ""},
        {"any 4 of 05..11", reduce("a7.json", "任选四"), 0, 7, {}, ""},
        {"any 5 of 05..11", reduce("a7.json", "任选五"), 0, 21, {}, ""},
        {"any 6 of 05..11", reduce("a7.json", "任选六"), 0, 6, {}, ""},
        {"any 7 of 05..11", reduce("a7.json", "任选七"), 0, 1, {}, ""},
        {"any 8 of 05..11", reduce("a7.json", "任选八"), 0, 1, {}, ""},
        {"front 1", reduce("f3.json", "前一"), 0, 3, {}, ""},
        {"front 2 direct", reduce("f3.json", "前二直选"), 0, 9, {}, ""},
        {"front 2 group", reduce("f3.json", "前二组选"), 0, 6, {}, ""},
        {"front 3 direct", reduce("f3.json", "前三直选"), 0, 18, {}, ""},
        {"front 3 group", reduce("f3.json", "前三组选"), 0, 4, {}, ""},
        {"any 2 within the front 3", reduce("f3.json", "任选二"), 0, 2, {}, ""},
        {"groups, front 3 group", reduce("g4.json", "前三组选"), 0, 4, {}, ""},
        {"groups, any 2", reduce("g4.json", "任选二"), 0, 2, {}, ""},
        {"any-5 table",
         all("a6.json"),
         0,
         0,
         {"任选二 2", "任选三 2", "任选四 3", "任选五 6 保底最划算",
          "任选六 1 最低成本、保底最划算", "任选七 1 最低成本", "任选八 1 最低成本"},
         ""},
        {"front-3 table",
         all("f3.json"),
         0,
         0,
         {"前一 3", "前二直选 9", "前二组选 6", "前三直选 18 保底最划算", "前三组选 4",
          "任选二 2 最低成本"},
         ""},
        {"group table", all("g4.json"), 0, 0, {"前三组选 4 保底最划算", "任选二 2 最低成本"}, ""},
        {"no survivors",
         reduce("none.json", "任选二"),
         2,
         0,
         {},
         "quorvel: 没有可缩的号码：缩水结果为空\n"},
        {"no survivors to tabulate",
         all("none.json"),
         2,
         0,
         {},
         "quorvel: 没有可缩的号码：缩水结果为空\n"},
        {"groups have no order",
         reduce("g4.json", "前二直选"),
         2,
         0,
         {},
         "quorvel: 组选结果不能用 前二直选 缩票\n"},
        {"any-5 bets have no order",
         reduce("a6.json", "前一"),
         2,
         0,
         {},
         "quorvel: 任选五结果不能用 前一 缩票\n"},
        {"front-3 bets show three numbers",
         reduce("f3.json", "任选三"),
         2,
         0,
         {},
         "quorvel: 前三结果不能用 任选三 缩票\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = quorvel(c.args, kSchemes);
        ASSERT_EQ(outcome.code, c.code) << outcome.err;
        if (c.code != 0) {
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err, c.err);
            continue;
        }
        if (!c.rows.empty()) {
            EXPECT_EQ(outcome.err, "");
            const auto lines = linesOf(outcome.out);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(wordsOf(lines[0]),
                      (std::vector<std::string>{"玩法", "注数", "成本(元)", "单注奖金(元)",
                                                "保底奖金(元)", "最高奖金(元)", "保底盈亏(元)",
                                                "最少注数", "备注"}));
            std::vector<std::string> rows;
            for (std::size_t i = 1; i < lines.size(); ++i) {
                const auto words = wordsOf(lines[i]);
                ASSERT_GE(words.size(), 8u) << lines[i];
                EXPECT_EQ(words[2], std::to_string(2 * std::stoi(words[1]))) << lines[i];
                EXPECT_EQ(std::stoi(words[6]), std::stoi(words[4]) - std::stoi(words[2]))
                    << lines[i];
                EXPECT_EQ(words[7], "已证明最少") << lines[i];
                rows.push_back(words[0] + " " + words[1] +
                               (words.size() > 8 ? " " + words[8] : ""));
            }
            EXPECT_EQ(rows, c.rows);
            continue;
        }

        const std::string& scheme = c.args[1];
        const std::string& play = c.args[3];
        const char separator =
            kSchemes.at(scheme).find("\"comma\": true") != std::string::npos ? ',' : ' ';
        std::vector<std::vector<int>> tickets;
        for (const auto& line : linesOf(outcome.out)) {
            tickets.push_back(numbersOf(line, separator));
            EXPECT_EQ(
                tickets.back().size(),
                static_cast<std::size_t>(reducer::playInfo(*reducer::playNamed(play)).ticketSize))
                << line;
        }
        EXPECT_EQ(static_cast<int>(tickets.size()), c.fewest);
        const auto survivors = linesOf(quorvel({"filter", scheme}, kSchemes).out);
        ASSERT_FALSE(survivors.empty());
        for (const auto& line : survivors) {
            const auto drawn = numbersOf(line, separator);
            ASSERT_GE(drawn.size(), 3u) << line;
            EXPECT_TRUE(std::any_of(tickets.begin(), tickets.end(),
                                    [&](const auto& ticket) {
                                        return lotteryrules::wins(*reducer::playNamed(play),
                                                                  ticketOf(ticket), drawn);
                                    }))
                << "no ticket wins when " << line << " is drawn";
        }
        // One line: the play, its tickets and the proof.
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
        EXPECT_EQ(outcome.err.rfind(play + " " + std::to_string(c.fewest) + " 注 ", 0), 0u)
            << outcome.err;
        EXPECT_NE(outcome.err.find("，已证明最少，"), std::string::npos) << outcome.err;
    }
}

}  // namespace
