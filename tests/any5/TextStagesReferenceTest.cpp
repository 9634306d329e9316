#include <gtest/gtest.h>

#include <random>

#include "any5/stages/PositionalKillStage.h"
#include "engine/CandidateTable.h"
#include "tests/any5/Any5FormFixture.h"
#include "tests/support/Any5Bets.h"

// The fast text stages (line masks, collected bets) against the rules read
// literally: each bet's two-digit numbers searched in each line of the raw
// text, on thousands of seeded random texts with the awkward cases in them.
namespace {

using testsupport::Bet;

std::string randomText(std::mt19937& random) {
    static const char* const pieces[] = {"01",   "02", "03", "04", "05", "06", "07", "08", "09",
                                         "10",   "11", " ",  " ",  " ",  "",   "*",  ",",  "\r\n",
                                         "\r\n", "\n", "\r", "1",  "0",  "，", "：", "12", "  "};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 60);
    std::string text;
    for (int n = length(random); n > 0; --n) {
        const char* chosen = pieces[piece(random)];
        // The hint's colon only now and then, so most texts are read.
        if (std::string_view(chosen) == "：" && random() % 4 != 0) continue;
        text += chosen;
    }
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int hits(const Bet& bet, const std::string& line) {
    int count = 0;
    for (int n : bet) {
        const std::string token{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        count += line.find(token) != std::string::npos ? 1 : 0;
    }
    return count;
}

// The surviving bets of one text stage read literally, for a box text.
std::vector<std::string> expected(const std::string& rule, const std::string& raw) {
    const std::string text = trimmed(raw);
    const bool ignored = text.empty() || text.find("：") != std::string::npos;
    const auto lines = linesOf(text);
    std::vector<std::string> alive;
    testsupport::forEachBet([&](const Bet& bet) {
        bool kill = false;
        if (!ignored) {
            bool anyThree = false;
            for (const auto& line : lines) {
                const int h = hits(bet, line);
                if (rule == "compound" && h == 5) kill = true;
                if (rule == "kill3" && h == 3) kill = true;
                if (rule == "quad" && h >= 4) kill = true;
                anyThree = anyThree || h == 3;
            }
            if (rule == "keep3") kill = !anyThree;
        }
        if (!kill) alive.push_back(testsupport::betText(bet));
    });
    return alive;
}

class TextStagesReferenceTest : public testsupport::Any5FormFixture {
protected:
    TextStagesReferenceTest() {
        host.setOnMessage([] {});  // runs that leave nothing just warn
    }
    toolkit::TextBox& box(const std::string& rule) {
        auto& e = form.entries;
        if (rule == "compound") return e.T_main_shazhixuan;
        if (rule == "kill3") return e.T_main_sha_3ma;
        if (rule == "keep3") return e.T_main_bichu_3ma;
        return e.T_main_sha4ma;
    }
};

TEST_F(TextStagesReferenceTest, GroupStagesAgreeWithTheLiteralRuleOnRandomTexts) {
    std::mt19937 random(20261208);
    for (const std::string rule : {"compound", "kill3", "keep3", "quad"}) {
        for (int round = 0; round < 150; ++round) {
            const std::string text = randomText(random);
            box(rule).setText(text);
            const auto& published = run();
            ASSERT_EQ(published, expected(rule, text)) << rule << " text: " << text;
            box(rule).setText({});
        }
    }
}

TEST_F(TextStagesReferenceTest, BasePoolAgreesWithASearchForEachBet) {
    std::mt19937 random(7);
    form.entries.Check_sha_dd.setTicked(true);
    std::uniform_int_distribution<int> number(1, 11);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int tokens = static_cast<int>(random() % 40); tokens > 0; --tokens) {
            const int n = number(random);
            text += {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
            text += random() % 5 == 0 ? "," : (random() % 7 == 0 ? "\r\n" : " ");
        }
        form.entries.T_sha_dadi.setText(text);
        std::vector<std::string> alive;
        const std::string pool = trimmed(text);
        testsupport::forEachBet([&](const Bet& bet) {
            const std::string line = testsupport::betText(bet);
            if (pool.empty() || pool.find(line) != std::string::npos) alive.push_back(line);
        });
        ASSERT_EQ(run(), alive) << "pool: " << text;
    }
}

// The positional rule read literally: every "*" of a line doubled, the five
// two-character fields taken at columns 1, 4, 7, 10 and 13, each matching
// "**" or the bet's number at that position; a short line matches nothing
// (no fields at all).
std::vector<std::string> positionalFields(const std::string& line) {
    std::string wide;
    for (char c : line) wide += c == '*' ? std::string("**") : std::string(1, c);
    if (wide.size() < 14) return {};
    std::vector<std::string> fields;
    for (int k = 0; k < 5; ++k) fields.push_back(wide.substr(3 * static_cast<std::size_t>(k), 2));
    return fields;
}

bool positionalMatch(const std::vector<std::string>& fields, const Bet& bet) {
    if (fields.empty()) return false;
    for (int k = 0; k < 5; ++k) {
        const std::string token{static_cast<char>('0' + bet[k] / 10),
                                static_cast<char>('0' + bet[k] % 10)};
        if (fields[k] != "**" && fields[k] != token) return false;
    }
    return true;
}

std::vector<std::vector<std::string>> positionalLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    for (const auto& line : linesOf(trimmed(text))) lines.push_back(positionalFields(line));
    return lines;
}

Bet betOfRow(const engine::CandidateTable& table, int row) {
    return {table.number(row, 1), table.number(row, 2), table.number(row, 3), table.number(row, 4),
            table.number(row, 5)};
}

// Lines of five fields, mostly well formed; now and then a blank too many or
// too few, a field that is no number, a lone "*" run together, junk after.
std::string randomPositionalText(std::mt19937& random, int lines) {
    static const char* const fields[] = {"*",  "*",  "*",  "01", "02", "03", "04",
                                         "05", "06", "07", "08", "09", "10", "11",
                                         "12", "1",  "**", "0",  "，", "*1"};
    std::uniform_int_distribution<std::size_t> field(0, std::size(fields) - 1);
    std::string text;
    for (int l = 0; l < lines; ++l) {
        if (l > 0) text += random() % 9 == 0 ? "\n" : "\r\n";
        if (random() % 12 == 0) text += ' ';
        // Most fields come from the bets' own numbers, so lines do match.
        for (int k = 0; k < 5; ++k) {
            if (k > 0) text += random() % 15 == 0 ? (random() % 2 == 0 ? "  " : "") : " ";
            text += random() % 4 == 0 ? "*" : fields[field(random)];
        }
        if (random() % 10 == 0) text += random() % 2 == 0 ? " x" : "  ";
    }
    return text;
}

TEST(PositionalKillReference, AgreesWithTheFieldByFieldRuleOnRandomTexts) {
    engine::CandidateTable table;
    table.generate();
    toolkit::TextBox box;
    const any5::stages::PositionalKillStage stage(box);
    std::vector<Bet> bets(engine::CandidateTable::kRowCount + 1);
    for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row)
        bets[row] = betOfRow(table, row);
    std::mt19937 random(1208);
    // Few lines are compared directly; many go through the pattern table.
    for (int round = 0; round < 10'000; ++round) {
        const int lines =
            round % 50 == 0 ? 33 + static_cast<int>(random() % 60) : static_cast<int>(random() % 6);
        const std::string text = randomPositionalText(random, lines);
        box.setText(text);
        const auto killed = stage.rowsToKill(table);
        const auto fields = positionalLines(text);
        for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
            bool kill = false;
            for (const auto& line : fields) kill = kill || positionalMatch(line, bets[row]);
            ASSERT_EQ(killed.test(static_cast<std::size_t>(row)), kill)
                << "row " << row << " text: " << text;
        }
    }
}

TEST_F(TextStagesReferenceTest, PositionalKillThroughTheWindowAgreesWithTheRule) {
    std::mt19937 random(812);
    for (int round = 0; round < 60; ++round) {
        const std::string text = randomPositionalText(random, round % 3 == 0 ? 40 : 3);
        form.entries.T_ding_shadingwei.setText(text);
        const auto published = run();
        std::vector<std::string> alive;
        const auto fields = positionalLines(text);
        for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
            const Bet bet = betOfRow(form.table, row);
            bool kill = false;
            for (const auto& line : fields) kill = kill || positionalMatch(line, bet);
            if (!kill) alive.push_back(testsupport::betText(bet));
        }
        ASSERT_EQ(published, alive) << "text: " << text;
    }
}

}  // namespace
