#include <gtest/gtest.h>

#include "history/HistoryStore.h"
#include "tests/history/TempFolder.h"
#include "tests/support/FileSizeLimit.h"
#include "toolkit/HeadlessHost.h"
#include "tools/draws/HistoryForm.h"

namespace {

// The disk fills while the CSV is written: the file chosen keeps what it held.
TEST(HistoryExport, FailedExportLeavesTheChosenFileAsItWas) {
    toolkit::HeadlessHost host;
    const toolkit::Window mainWindow("main");
    draws::HistoryForm form(draws::Edition{}, host, mainWindow);
    form.setDatabasePath(history::HistoryStore::kInMemory);
    ASSERT_TRUE(form.addLottery("广东11选5"));
    std::string text;
    for (int issue = 1; issue <= 200; ++issue) text += std::to_string(issue) + " 03 07 01 11 05\n";
    form.importText(text);
    ASSERT_EQ(form.draws().size(), 200u);

    historytest::TempFolder folder;
    const std::string path = folder.file("draws.csv");
    historytest::writeBytes(path, "older export\n");
    host.setChosenFile(path);
    {
        const testsupport::FileSizeLimit fullDisk(1000);
        form.exportFile();
    }
    EXPECT_EQ(form.status(), "写不了文件：" + path);
    EXPECT_EQ(historytest::bytesOf(path), "older export\n");

    form.exportFile();
    EXPECT_EQ(form.status(), "已导出 200 期到 " + path);
    EXPECT_EQ(historytest::bytesOf(path).substr(0, 3), "\xEF\xBB\xBF");
}

}  // namespace
