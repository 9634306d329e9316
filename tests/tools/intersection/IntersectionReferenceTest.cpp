#include <gtest/gtest.h>

#include <random>

#include "any5/panels/MainForm.h"
#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"
#include "tools/intersection/BetTextNormaliser.h"

// The tool collects the bets a list spells in one pass; here every bet's key
// text is searched in the lists one by one, as the rule says, on random lists.
namespace {

std::string token(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string randomList(std::mt19937& random, const char* separators) {
    std::uniform_int_distribution<int> number(1, 11);
    std::string text;
    const std::size_t kinds = std::char_traits<char>::length(separators);
    for (int n = static_cast<int>(random() % 120); n > 0; --n) {
        text += token(number(random));
        const char separator = separators[random() % kinds];
        if (separator == 'N') {
            text += "\r\n";
        } else {
            text += separator;
        }
    }
    return text;
}

bool keeps(std::size_t operation, bool inA, bool inB) {
    const bool rule[] = {inA && inB, inA || inB, inA && !inB, inB && !inA};
    return rule[operation];
}

TEST(IntersectionReference, Any5MatchesASearchOfEachBetsText) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    auto& tool = form.jiaoji;
    std::mt19937 random(11);
    for (int round = 0; round < 120; ++round) {
        const bool commas = round % 3 == 0;
        tool.Check_out_douhao.setTicked(commas);
        const std::string a = randomList(random, "  ,N");
        const std::string b = randomList(random, " ,,N");
        tool.T_dd_jiaoji[0].setText(a);
        tool.T_dd_jiaoji[1].setText(b);
        const std::size_t operation = static_cast<std::size_t>(round % 4);
        tool.C_jiaoji_xuanzhe.press(operation);
        std::string expected;
        const std::string separator = commas ? "," : " ";
        for (int p = 1; p <= 11; ++p)
            for (int q = p + 1; q <= 11; ++q)
                for (int r = q + 1; r <= 11; ++r)
                    for (int s = r + 1; s <= 11; ++s)
                        for (int t = s + 1; t <= 11; ++t) {
                            const std::string key = token(p) + separator + token(q) + separator +
                                                    token(r) + separator + token(s) + separator +
                                                    token(t);
                            if (keeps(operation, a.find(key) != std::string::npos,
                                      b.find(key) != std::string::npos))
                                expected += key + "\r\n";
                        }
        ASSERT_EQ(tool.T_dd_jiaoji[2].text(), expected) << "A: " << a << "\nB: " << b;
    }
}

TEST(IntersectionReference, Front3MatchesASearchInTheTidiedLists) {
    toolkit::HeadlessHost host;
    front3::MainForm form(host);
    form.load();
    auto& tool = form.jiaoji;
    std::mt19937 random(12);
    for (int round = 0; round < 120; ++round) {
        const std::string a = randomList(random, " -,N.");
        const std::string b = randomList(random, " ,N");
        tool.T_dd_jiaoji[0].setText(a);
        tool.T_dd_jiaoji[1].setText(b);
        const std::size_t operation = static_cast<std::size_t>(round % 4);
        tool.C_jiaoji_xuanzhe.press(operation);
        const std::string tidyA = intersection::normaliseBetText(a);
        const std::string tidyB = intersection::normaliseBetText(b);
        std::string expected;
        for (int p = 1; p <= 11; ++p)
            for (int q = 1; q <= 11; ++q)
                for (int r = 1; r <= 11; ++r) {
                    if (p == q || q == r || p == r) continue;
                    const std::string key = token(p) + " " + token(q) + " " + token(r);
                    if (keeps(operation, tidyA.find(key) != std::string::npos,
                              tidyB.find(key) != std::string::npos))
                        expected += key + "\r\n";
                }
        ASSERT_EQ(tool.T_dd_jiaoji[2].text(), expected) << "A: " << a << "\nB: " << b;
    }
}

}  // namespace
