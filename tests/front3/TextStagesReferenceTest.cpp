#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "front3/Publication.h"
#include "front3/TextStages.h"
#include "tests/front3/Front3ReferenceFixture.h"

// The two front-3 text stages and the group conversion against their rules
// read literally: digits picked out of each line, tokens searched in each
// part, and each surviving set listed where its first arrangement stands.
namespace {

using testsupport::sameLines;

using testsupport::kFront3Cases;
using testsupport::kFront3ClickedRuns;
using Bet = testsupport::Front3Bet;

std::string token(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> split(const std::string& text, const std::string& at) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(at, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return pieces;
        start = end + at.size();
    }
}

// A random token: mostly "01".."11", now and then "00", "12" or one digit.
std::string randomToken(std::mt19937& random) {
    static const char* const odd[] = {"00", "12", "1", "0", "5", "011"};
    if (random() % 8 == 0) return odd[random() % std::size(odd)];
    return token(static_cast<int>(random() % 11) + 1);
}

const char* randomBreak(std::mt19937& random) {
    static const char* const breaks[] = {"\r\n", "\r\n", "\r\n", "\r\n", "\n", "\r", "\r\n  \r\n"};
    return breaks[random() % std::size(breaks)];
}

// Direct bets one per line with any separators, and lines of other lengths.
std::string randomDirectText(std::mt19937& random) {
    static const char* const separators[] = {" ",  " ", " ",  "",   ",", ".",
                                             "  ", "a", "，", "\t", "*"};
    std::string text = random() % 10 == 0 ? front3::EntryPages::kDirectHint : "";
    if (random() % 5 == 0) text += "  ";
    for (auto lines = random() % 12; lines > 0; --lines) {
        static const int tokenCounts[] = {3, 3, 3, 3, 3, 2, 4, 1, 0};
        for (int n = tokenCounts[random() % std::size(tokenCounts)]; n > 0; --n)
            text += randomToken(random) + separators[random() % std::size(separators)];
        if (lines > 1) text += randomBreak(random);
    }
    if (random() % 5 == 0) text += "   ";
    return text;
}

// Compound lines of parts split at "*", blank lines, and lines of fewer parts.
std::string randomCompoundText(std::mt19937& random) {
    static const char* const separators[] = {" ", " ", " ", "", ",", "  "};
    std::string text = random() % 5 == 0 ? " " : "";
    for (auto lines = random() % 6; lines > 0; --lines) {
        static const int partCounts[] = {3, 3, 3, 3, 3, 3, 2, 1, 4, 0};
        const int parts = partCounts[random() % std::size(partCounts)];
        if (parts == 0 && random() % 2 == 0) text += random() % 2 == 0 ? "  " : "\t";
        for (int part = 0; part < parts; ++part) {
            if (part > 0) text += "*";
            for (auto n = random() % 4 + (random() % 6 == 0 ? 0 : 1); n > 0; --n)
                text += randomToken(random) + separators[random() % std::size(separators)];
        }
        if (lines > 1) text += randomBreak(random);
    }
    return text;
}

class Front3TextReferenceTest : public testsupport::Front3ReferenceFixture {};

// The bets the direct-bet box names, as the rule reads it: by the three
// two-digit numbers of each line left with exactly six digits.
void readDirect(const std::string& raw, bool (&named)[12][12][12]) {
    const std::string text = trimmed(raw);
    if (text.empty()) return;
    for (const auto& line : split(text, "\r\n")) {
        std::string digits;
        for (char c : line) {
            if (c >= '0' && c <= '9') digits += c;
        }
        if (digits.size() != 6) continue;
        int n[3];
        for (int k = 0; k < 3; ++k) n[k] = std::stoi(digits.substr(2 * k, 2));
        if (std::all_of(n, n + 3, [](int x) { return x >= 1 && x <= 11; }))
            named[n[0]][n[1]][n[2]] = true;
    }
}

TEST_F(Front3TextReferenceTest, DirectBetsAreKilledInTheirOrderOnly) {
    const front3::DirectKillStage stage(form.pages.T_main_shazhixuan);
    for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
        const std::string text = randomDirectText(random);
        form.pages.T_main_shazhixuan.setText(text);
        bool named[12][12][12] = {};
        readDirect(text, named);
        const auto kills = [&](const Bet& bet) { return named[bet.t[0]][bet.t[1]][bet.t[2]]; };
        if (round < kFront3Cases) {
            ASSERT_TRUE(agrees(stage, kills)) << "text: " << text;
        } else {
            ASSERT_TRUE(runAgrees(kills)) << "text: " << text;
        }
    }
}

// A compound line: whether each number's token occurs in each of its parts.
struct CompoundLine {
    bool inPart[3][12] = {};
};

// The lines of the compound box as the rule reads them. Returns how many
// lines have fewer than three parts (they are skipped) and show more than
// white space (the note counts those).
std::size_t readCompound(const std::string& raw, std::vector<CompoundLine>& read) {
    const std::string text = trimmed(raw);
    std::size_t skipped = 0;
    if (text.empty()) return 0;
    for (const auto& line : split(text, "\r\n")) {
        if (trimmed(line).empty()) continue;
        const auto parts = split(line, "*");  // parts after the third are ignored
        if (parts.size() < 3) {
            skipped += line.find_first_not_of(" \t\r\n") != std::string::npos ? 1 : 0;
            continue;
        }
        CompoundLine compound;
        for (int k = 0; k < 3; ++k) {
            for (int n = 1; n <= 11; ++n)
                compound.inPart[k][n] = parts[k].find(token(n)) != std::string::npos;
        }
        read.push_back(compound);
    }
    return skipped;
}

TEST_F(Front3TextReferenceTest, CompoundLinesKillTheBetsTheirPartsAllow) {
    const front3::CompoundKillStage stage(form.pages.T_main_laji_fushi);
    for (int round = 0; round < kFront3Cases + kFront3ClickedRuns; ++round) {
        const std::string text = randomCompoundText(random);
        form.pages.T_main_laji_fushi.setText(text);
        std::vector<CompoundLine> lines;
        const std::size_t skipped = readCompound(text, lines);
        const auto kills = [&](const Bet& bet) {
            for (const auto& line : lines) {
                if (line.inPart[0][bet.t[0]] && line.inPart[1][bet.t[1]] &&
                    line.inPart[2][bet.t[2]])
                    return true;
            }
            return false;
        };
        if (round < kFront3Cases) {
            ASSERT_TRUE(agrees(stage, kills)) << "text: " << text;
            ASSERT_EQ(stage.skippedLines(), skipped) << "text: " << text;
        } else {
            ASSERT_TRUE(runAgrees(kills)) << "text: " << text;
            const std::string note = "有" + std::to_string(skipped) + "行";
            ASSERT_EQ(form.L_tishi.caption().find(note) != std::string::npos, skipped > 0)
                << form.L_tishi.caption() << " for text: " << text;
        }
    }
}

// The group list the rule gives for the alive rows, in row order: each bet's
// numbers sorted, each set once, where its first surviving arrangement stands.
std::vector<std::string> groupsOf(const std::vector<const Bet*>& alive, char separator) {
    std::vector<std::string> lines;
    lines.reserve(165);
    bool listed[12][12][12] = {};
    for (const Bet* bet : alive) {
        const int* n = bet->ascending;
        if (listed[n[0]][n[1]][n[2]]) continue;
        listed[n[0]][n[1]][n[2]] = true;
        lines.push_back(token(n[0]) + separator + token(n[1]) + separator + token(n[2]));
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    text.reserve(lines.size() * 10);
    for (const auto& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

// The conversion's one shortcut is how it tells a set listed before; random
// kill sets of every density try it well within a fifth of the stages' cases.
constexpr int kGroupCases = 2000;

TEST_F(Front3TextReferenceTest, GroupConversionListsEachSurvivingSetOnceInFirstOrder) {
    for (int round = 0; round < kGroupCases; ++round) {
        table.generate();
        // Nothing, everything, or each row with a chance drawn for the case.
        const auto style = random() % 6;
        const auto threshold = style == 0 ? 0 : style == 1 ? 1024 : random() % 1025;
        std::vector<const Bet*> alive;
        alive.reserve(front3::CandidateTable::kRowCount);
        for (int row = 1; row <= front3::CandidateTable::kRowCount; ++row) {
            if (random() % 1024 < threshold) {
                table.kill(row);
            } else {
                alive.push_back(&bets[row]);
            }
        }
        const char separator = random() % 2 == 0 ? ' ' : ',';
        const auto publication = front3::publishGroups(table, separator);
        const auto expected = groupsOf(alive, separator);
        ASSERT_TRUE(sameLines(publication.lines, expected)) << "case " << round;
        ASSERT_EQ(publication.text, joined(expected));
        // Alive rows now hold their numbers ascending; killed rows are untouched.
        int wrongRow = 0;
        for (int row = 1; row <= front3::CandidateTable::kRowCount && wrongRow == 0; ++row) {
            const int* holds = table.isKilled(row) ? bets[row].t : bets[row].ascending;
            for (int k = 0; k < 3; ++k) {
                if (table.number(row, k + 1) != holds[k]) wrongRow = row;
            }
        }
        ASSERT_EQ(wrongRow, 0) << "case " << round;
    }
    table.generate();
}

TEST_F(Front3TextReferenceTest, ConversionAfterARunGroupsWhatTheRunPublished) {
    std::map<std::string, const Bet*> betOfLine;
    for (int row = 1; row <= front3::CandidateTable::kRowCount; ++row) {
        betOfLine[bets[row].text] = &bets[row];
        std::string withCommas = bets[row].text;
        std::replace(withCommas.begin(), withCommas.end(), ' ', ',');
        betOfLine[withCommas] = &bets[row];
    }
    for (int round = 0; round < kFront3ClickedRuns; ++round) {
        form.C_all_cls.press();
        form.pages.T_main_shazhixuan.setText(randomDirectText(random));
        form.pages.T_main_laji_fushi.setText(randomCompoundText(random));
        for (auto n = random() % 4; n > 0; --n) form.numbers.C_tsm_sha.press(random() % 11);
        for (auto n = random() % 3; n > 0; --n) form.numbers.C_dingwei_sha.press(random() % 33);
        form.result.Check_out_douhao.setTicked(random() % 2 == 0);
        const char separator = form.result.Check_out_douhao.isTicked() ? ',' : ' ';
        std::vector<const Bet*> alive;
        for (const auto& line : run()) alive.push_back(betOfLine.at(line));
        const auto expected = groupsOf(alive, separator);
        ASSERT_TRUE(sameLines(group(), expected)) << "case " << round;
        EXPECT_EQ(form.result.ResultText, joined(expected));
        EXPECT_EQ(form.result.dadi_zhushu.caption(), std::to_string(expected.size()));
    }
}

}  // namespace
