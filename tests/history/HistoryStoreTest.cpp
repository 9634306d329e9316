#include <gtest/gtest.h>

#include "history/DrawCsv.h"
#include "history/HistoryStore.h"
#include "tests/history/TempFolder.h"

namespace {

using history::HistoryStore;
using history::importSummary;

constexpr const char* kLottery = "广东11选5";

// The draws of a lottery, newest first, one "ISSUE 03 07 01 11 05" a line.
std::string listed(const HistoryStore& store, const char* lottery,
                   std::optional<int> last = std::nullopt) {
    const auto draws = store.draws(lottery, last);
    if (!draws.ok()) return draws.errorText;
    std::string text;
    for (const auto& draw : draws.value) {
        text += draw.issue;
        for (const int n : draw.numbers) text += (n < 10 ? " 0" : " ") + std::to_string(n);
        text += "\n";
    }
    return text;
}

TEST(HistoryStore, ImportSkipsKnownIssuesNumbersTheRestAndKeepsThemInTheFile) {
    historytest::TempFolder folder;
    const std::string path = folder.file("data/quorvel/history.sqlite");
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.isOpen()) << store.openError();
        EXPECT_EQ(importSummary(store.importText(kLottery,
                                                 "2026120804 01 02 03 04 05\n"
                                                 "2026120805 02 03 04 05 06\n")),
                  "导入 2 期，跳过重复 0 期，错误 0 行");
        // Known draws are skipped; lines without issue follow the newest, in
        // the order of the lines.
        EXPECT_EQ(importSummary(store.importText(kLottery,
                                                 "2026120805 02 03 04 05 06\n"
                                                 "03 07 01 11 05\n"
                                                 "2026120804 01 02 03 04 05\n"
                                                 "04 05 06 07 08\n")),
                  "导入 2 期，跳过重复 2 期，错误 0 行");
    }
    const HistoryStore reopened(path);
    EXPECT_EQ(listed(reopened, kLottery),
              "2026120807 04 05 06 07 08\n2026120806 03 07 01 11 05\n"
              "2026120805 02 03 04 05 06\n2026120804 01 02 03 04 05\n");
    EXPECT_EQ(listed(reopened, kLottery, 2),
              "2026120807 04 05 06 07 08\n2026120806 03 07 01 11 05\n");
    EXPECT_EQ(listed(reopened, kLottery, 0), "");
    EXPECT_EQ(reopened.newestIssue(kLottery).value, "2026120807");
    EXPECT_EQ(reopened.lotteries().value, std::vector<std::string>{kLottery});
}

TEST(HistoryStore, RefusedTextImportsNothing) {
    HistoryStore store(HistoryStore::kInMemory);
    ASSERT_TRUE(store.importText(kLottery, "1 03 07 01 11 05").ok());
    const auto report = store.importText(kLottery, "2 01 02 03 04 05\n3 01 02 03 04 12\n");
    EXPECT_EQ(importSummary(report), "导入 0 期，跳过重复 0 期，错误 1 行：第 2 行 号码超出 1..11");
    EXPECT_EQ(listed(store, kLottery), "1 03 07 01 11 05\n");
    store.importText("山东11选5", "03 07 01 11");
    EXPECT_EQ(store.lotteries().value, std::vector<std::string>{kLottery});
}

TEST(HistoryStore, ExportReadsBackToTheSameDraws) {
    HistoryStore store(HistoryStore::kInMemory);
    store.importText(kLottery,
                     "99,01,02,03,04,05\n100,11,10,09,08,07\n101|1|3|5|7|9\n"
                     "102 02 04 06 08 10\n03 07 01 11 05\n");
    const auto exported = store.draws(kLottery);
    EXPECT_EQ(store.newestIssue(kLottery).value, "103");
    const auto report = store.importText("copy", history::drawsToCsv(exported.value));
    EXPECT_EQ(importSummary(report), "导入 5 期，跳过重复 0 期，错误 0 行");
    EXPECT_EQ(store.draws("copy").value, exported.value);
}

TEST(HistoryStore, LotteriesAreNamedOnceAndDrawsDeletedByIssue) {
    HistoryStore store(HistoryStore::kInMemory);
    EXPECT_TRUE(store.addLottery(" 山东11选5 ").ok());
    EXPECT_TRUE(store.addLottery(kLottery).ok());
    EXPECT_EQ(store.addLottery("山东11选5").errorText, "彩种已经存在：山东11选5");
    EXPECT_EQ(store.addLottery(" \t").errorText, "彩种名称不能为空");
    EXPECT_EQ(store.importText("", "03 07 01 11 05").errorText, "彩种名称不能为空");
    EXPECT_EQ(store.lotteries().value, (std::vector<std::string>{"山东11选5", kLottery}));
    EXPECT_EQ(store.newestIssue("山东11选5").value, "");

    store.importText(kLottery, "8 01 02 03 04 05\n9 02 03 04 05 06\n10 03 04 05 06 07\n");
    const auto removed = store.deleteDraws(kLottery, {"10", "9", "11"});
    EXPECT_EQ(removed.value, 2);
    EXPECT_EQ(listed(store, kLottery), "8 01 02 03 04 05\n");
    for (const std::string& error : {store.draws("x").errorText, store.newestIssue("x").errorText,
                                     store.deleteDraws("x", {"8"}).errorText}) {
        EXPECT_EQ(error, "没有这个彩种：x");
    }
}

// Stored: 2026120901 03 07 01 11 05 and 2026120902 01 02 03 04 05.
TEST(HistoryStore, IssueWithOtherNumbersIsAConflictUnlessReplaced) {
    using history::ImportMode;
    const std::string tenBlankLinesAfter(11, '\n');
    struct Row {
        const char* name;
        std::string text;
        ImportMode mode;
        const char* summary;
        const char* newest;  // the two newest draws afterwards
    };
    const char* unchanged = "2026120902 01 02 03 04 05\n2026120901 03 07 01 11 05\n";
    const Row rows[] = {
        {"same numbers", "2026120901 03 07 01 11 05\n2026120903 02 03 04 05 06",
         ImportMode::KeepStored, "导入 1 期，跳过重复 1 期，错误 0 行",
         "2026120903 02 03 04 05 06\n2026120902 01 02 03 04 05\n"},
        {"other numbers",
         "2026120903 02 03 04 05 06" + tenBlankLinesAfter + "2026120901 03 07 01 11 06\n",
         ImportMode::KeepStored,
         "导入 0 期，跳过重复 0 期，错误 0 行，期号冲突 1 行：第 12 行：2026120901 期已有 03 07 01 "
         "11 05，与本行不同",
         unchanged},
        {"two lines of one issue",
         "2026120903 02 03 04 05 06\n2026120904 02 03 04 05 07\n2026120903 02 03 04 05 07\n",
         ImportMode::ReplaceStored,
         "导入 0 期，跳过重复 0 期，错误 0 行，期号冲突 1 行：第 3 行：2026120903 期在第 1 行是 02 "
         "03 04 05 06，与本行不同",
         unchanged},
        {"two lines alike", "2026120903 02 03 04 05 06\n2026120903 02 03 04 05 06\n",
         ImportMode::KeepStored, "导入 1 期，跳过重复 1 期，错误 0 行",
         "2026120903 02 03 04 05 06\n2026120902 01 02 03 04 05\n"},
        {"replaced", "2026120901 03 07 01 11 06\n2026120902 01 02 03 04 05\n",
         ImportMode::ReplaceStored, "导入 0 期，跳过重复 1 期，错误 0 行，覆盖 1 期",
         "2026120902 01 02 03 04 05\n2026120901 03 07 01 11 06\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HistoryStore store(HistoryStore::kInMemory);
        ASSERT_TRUE(store
                        .importText(kLottery,
                                    "2026120901 03 07 01 11 05\n"
                                    "2026120902 01 02 03 04 05\n")
                        .ok());
        EXPECT_EQ(importSummary(store.importText(kLottery, row.text, row.mode)), row.summary);
        EXPECT_EQ(listed(store, kLottery, 2), row.newest);
    }
}

TEST(HistoryStore, ProgressIsToldEveryThousandDrawsAndAtTheEnd) {
    HistoryStore store(HistoryStore::kInMemory);
    std::string text;
    for (int issue = 1; issue <= 2500; ++issue) text += std::to_string(issue) + " 01 02 03 04 05\n";
    std::vector<std::pair<std::size_t, std::size_t>> told;
    const auto report = store.importText(
        kLottery, text, history::ImportMode::KeepStored,
        [&told](std::size_t done, std::size_t total) { told.emplace_back(done, total); });
    EXPECT_EQ(report.imported, 2500);
    EXPECT_EQ(told, (std::vector<std::pair<std::size_t, std::size_t>>{
                        {1000, 2500}, {2000, 2500}, {2500, 2500}}));
}

// A lottery keeps one shape of issue, so that "newest" stays the newest.
TEST(HistoryStore, IssuesOfAnotherShapeAreRefused) {
    struct Row {
        const char* stored;
        const char* text;
        const char* summary;
    };
    const Row rows[] = {
        {"2026120901 03 07 01 11 05", "2026120902 01 02 03 04 05\n\n20261208-01 01 02 03 04 06",
         "第 3 行：期号 20261208-01 与已有期号的格式不同（如 2026120901）"},
        {"20261208-01 03 07 01 11 05", "2026120902 01 02 03 04 05",
         "第 1 行：期号 2026120902 与已有期号的格式不同（如 20261208-01）"},
        {"", "2026120901 03 07 01 11 05\n20261208-02 01 02 03 04 05",
         "第 2 行：期号 20261208-02 与已有期号的格式不同（如 2026120901）"},
        {"20261208-99 03 07 01 11 05", "01 02 03 04 05",
         "第 1 行：没有期号，下一期 20261208-100 与已有期号的格式不同（如 20261208-99）"},
        {"第5期 03 07 01 11 05", "第5期-2 01 02 03 04 05",
         "第 1 行：期号 第5期-2 与已有期号的格式不同（如 第5期）"},
        {"99 03 07 01 11 05", "100 01 02 03 04 05\n02 03 04 05 06",
         "导入 2 期，跳过重复 0 期，错误 0 行"},
        {"2026120999 03 07 01 11 05", "01 02 03 04 05\n2026121001 02 03 04 05 06",
         "导入 2 期，跳过重复 0 期，错误 0 行"},
        {"第5期 03 07 01 11 05", "第7期 01 02 03 04 05", "导入 1 期，跳过重复 0 期，错误 0 行"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        HistoryStore store(HistoryStore::kInMemory);
        if (*row.stored != '\0') {
            ASSERT_TRUE(store.importText(kLottery, row.stored).ok());
        }
        const std::string before = listed(store, kLottery);
        const auto report = store.importText(kLottery, row.text);
        EXPECT_EQ(importSummary(report), row.summary);
        if (!report.ok()) {
            EXPECT_EQ(listed(store, kLottery), before);
        }
    }
}

}  // namespace
