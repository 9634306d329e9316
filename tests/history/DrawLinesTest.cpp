#include <gtest/gtest.h>

#include "history/DrawCsv.h"
#include "history/DrawLines.h"
#include "history/ImportReport.h"

namespace {

using history::LineFault;

std::string numbersText(const history::Draw& draw) {
    std::string text;
    for (const int number : draw.numbers) {
        text += (text.empty() ? "" : " ") + std::string(number < 10 ? "0" : "");
        text += std::to_string(number);
    }
    return text;
}

std::string describe(const history::DrawLine& line) {
    switch (line.kind) {
        case history::DrawLine::Kind::Blank:
            return "blank";
        case history::DrawLine::Kind::Refused:
            return std::string("refused: ") + history::faultText(line.fault);
        case history::DrawLine::Kind::Draw:
            break;
    }
    return line.draw.issue + ": " + numbersText(line.draw);
}

// One line a draw or a refused line: "ISSUE: 03 07 01 11 05", "line 3: 号码重复".
std::string describe(const history::ParsedDraws& parsed) {
    std::string text;
    for (const auto& draw : parsed.draws) text += draw.issue + ": " + numbersText(draw) + "\n";
    for (const auto& [line, fault] : parsed.errors) {
        text += "line " + std::to_string(line) + ": " + history::faultText(fault) + "\n";
    }
    return text;
}

TEST(HistoryDrawLines, ReadsEachLineAsTheHeaderShows) {
    const std::pair<const char*, const char*> rows[] = {
        {"2026120801 03 07 01 11 05", "2026120801: 03 07 01 11 05"},
        {"20261208-01,3,7,1,11,5", "20261208-01: 03 07 01 11 05"},
        {"03 07 01 11 05", ": 03 07 01 11 05"},
        {"第1期|03+07+01+11+05", "第1期: 03 07 01 11 05"},
        {"1 2 3 4 5 6 7", "1 2: 03 04 05 06 07"},
        {" , \t ", "blank"},
        {"2026120801 03 07 01 11", "refused: 不是 5 个号码"},
        {"03 07 01 11 05 x", "refused: 不是 5 个号码"},
        {"03 07 01 011 05", "refused: 不是 5 个号码"},
        {"03 07 01 12 05", "refused: 号码超出 1..11"},
        {"03 07 00 11 05", "refused: 号码超出 1..11"},
        {"03 07 03 11 05", "refused: 号码重复"},
        // Beyond the header's examples.
        {"", "blank"},
        {"\t2026120801\t03\t07\t01\t11\t05,", "2026120801: 03 07 01 11 05"},
        {"-- 03 07 01 11 05", ": 03 07 01 11 05"},
        {"0307011105", "refused: 不是 5 个号码"},
        {"03 07 1a 11 05", "refused: 不是 5 个号码"},
        {"03 07 01 99 03", "refused: 号码超出 1..11"},
        {"１ 2 3 4 5", "refused: 不是 5 个号码"},
    };
    for (const auto& [line, expected] : rows) {
        SCOPED_TRACE(line);
        EXPECT_EQ(describe(history::parseDrawLine(line)), expected);
    }
}

TEST(HistoryDrawLines, ReadsTextsAsTheHeaderShowsAndRefusesThemWhole) {
    const std::pair<const char*, const char*> rows[] = {
        {"期号,号码1,号码2,号码3,号码4,号码5\n2026120801,03,07,01,11,05\n",
         "2026120801: 03 07 01 11 05\n"},
        {"\xEF\xBB\xBF\r\n03 07 01 11 05\r\n\r\n04 05 06 07 08\r",
         ": 03 07 01 11 05\n: 04 05 06 07 08\n"},
        {"issue\n03 07 01 11 05", ": 03 07 01 11 05\n"},
        {"期号,1,2,3,4,5\n03 07 01 11 05", ": 03 07 01 11 05\n"},
        {"第1期,1,2,3,4,5\n03 07 01 11 05", "第1期: 01 02 03 04 05\n: 03 07 01 11 05\n"},
        {"03 07 01 11 05\n03 07 01 11\n1 1 2 3 4", "line 2: 不是 5 个号码\nline 3: 号码重复\n"},
        {"1 2 3\n03 07 01 11 05", "line 1: 不是 5 个号码\n"},
        // Beyond the header's examples.
        {"\xEF\xBB\xBF"
         "03 07 01 11 05\n\xEF\xBB\xBF"
         "04 05 06 07 08",
         "line 2: 不是 5 个号码\n"},  // a BOM only opens the text
        {"\r\n \r\n期号 12\r03 07 01 11 05", ": 03 07 01 11 05\n"},
        {"03 07 01 11 05\n期号,号码1,号码2,号码3,号码4,号码5", "line 2: 不是 5 个号码\n"},
        {"1\r2\n\n3\r\n04 05 06 07 08",
         "line 1: 不是 5 个号码\nline 2: 不是 5 个号码\n"
         "line 4: 不是 5 个号码\n"},
        {"", ""},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(describe(history::parseDrawLines(text)), expected);
    }
}

TEST(HistoryDrawLines, SummaryCountsAndListsTheFirstFiveRefusedLines) {
    using history::ImportReport;
    const std::vector<history::LineError> six = {
        {1, LineFault::NotFiveNumbers}, {2, LineFault::NotFiveNumbers},
        {3, LineFault::NotFiveNumbers}, {4, LineFault::NotFiveNumbers},
        {5, LineFault::NotFiveNumbers}, {6, LineFault::RepeatedNumber}};
    const std::vector<std::string> conflicts = {
        "第 4 行：9 期已有 01 02 03 04 05，与本行不同",
        "第 6 行：8 期在第 2 行是 01 02 03 04 06，与本行不同"};
    const std::pair<ImportReport, const char*> rows[] = {
        {{12, 3, 0, {}, {}, {}, false}, "导入 12 期，跳过重复 3 期，错误 0 行"},
        {{0,
          0,
          0,
          {{3, LineFault::RepeatedNumber}, {7, LineFault::NumberOutOfRange}},
          {},
          {},
          false},
         "导入 0 期，跳过重复 0 期，错误 2 行：第 3 行 号码重复；第 7 行 号码超出 1..11"},
        {{0, 0, 0, six, {}, {}, false},
         "导入 0 期，跳过重复 0 期，错误 6 行：第 1 行 不是 5 个号码；第 2 行 不是 5 个号码；"
         "第 3 行 不是 5 个号码；第 4 行 不是 5 个号码；第 5 行 不是 5 个号码；…"},
        {{0, 0, 0, {}, conflicts, {}, false},
         "导入 0 期，跳过重复 0 期，错误 0 行，期号冲突 2 行：第 4 行：9 期已有 01 02 03 04 05，"
         "与本行不同；第 6 行：8 期在第 2 行是 01 02 03 04 06，与本行不同"},
        {{3, 1, 2, {}, {}, {}, false}, "导入 3 期，跳过重复 1 期，错误 0 行，覆盖 2 期"},
        {{0, 0, 0, {}, {}, "开奖历史文件只读，不能保存：h.sqlite", false},
         "开奖历史文件只读，不能保存：h.sqlite"},
    };
    for (const auto& [report, expected] : rows) EXPECT_EQ(history::importSummary(report), expected);
}

TEST(HistoryDrawLines, CsvListsOldestFirstAsTheHeaderShows) {
    const std::vector<history::Draw> newestFirst = {{"2026120802", {4, 5, 6, 7, 8}},
                                                    {"2026120801", {3, 7, 1, 11, 5}}};
    const std::string csv = history::drawsToCsv(newestFirst);
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF期号,号码1,号码2,号码3,号码4,号码5\n"
              "2026120801,03,07,01,11,05\n2026120802,04,05,06,07,08\n");
    EXPECT_EQ(history::parseDrawLines(csv).draws,
              std::vector<history::Draw>(newestFirst.rbegin(), newestFirst.rend()));
}

}  // namespace
