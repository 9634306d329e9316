#include <gtest/gtest.h>

#include <random>

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

}  // namespace
