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
        // Known issues are skipped even with other numbers; lines without
        // issue follow the newest, in the order of the lines.
        EXPECT_EQ(importSummary(store.importText(kLottery,
                                                 "2026120805 11 10 09 08 07\n"
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
                     "99,01,02,03,04,05\n100,11,10,09,08,07\n20261208-7|1|3|5|7|9\n"
                     "第 5 期 02 04 06 08 10\n03 07 01 11 05\n");
    const auto exported = store.draws(kLottery);
    EXPECT_EQ(store.newestIssue(kLottery).value, "20261208-8");
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

}  // namespace
