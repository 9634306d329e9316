#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "history/HistoryStore.h"
#include "tests/history/TempFolder.h"

namespace {

using history::Access;
using history::HistoryStore;

constexpr const char* kLottery = "广东11选5";

long sizeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<long>(status.st_size) : -1;
}

// A program killed in the middle of an import leaves SQLite's journal beside
// the file; the next reader must roll the import back, not fail.
TEST(HistoryInterruptedImport, ReadersSeeTheDrawsFromBeforeTheImport) {
    historytest::TempFolder folder;
    const std::string path = folder.file("history.sqlite");
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.importText(kLottery, "1 03 07 01 11 05\n2 01 02 03 04 05\n").ok());
    }
    const auto before = HistoryStore(path).draws(kLottery).value;
    const long sizeBefore = sizeOf(path);
    std::string text;
    for (int issue = 3; issue < 400000; ++issue)
        text += std::to_string(issue) + " 02 04 06 08 10\n";

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        HistoryStore(path).importText(kLottery, text);
        ::_exit(0);
    }
    // Once the file has grown, SQLite has spilled the import into it: the
    // journal alone can bring the old content back.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (sizeOf(path) <= sizeBefore && std::chrono::steady_clock::now() < deadline &&
           ::waitpid(child, &status, WNOHANG) == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it could be stopped";
    ASSERT_GT(sizeOf(path + "-journal"), 0);

    const HistoryStore reader(path, Access::ReadOnly);
    ASSERT_TRUE(reader.isOpen()) << reader.openError();
    EXPECT_EQ(reader.draws(kLottery).value, before);
    EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    HistoryStore writer(path);
    EXPECT_EQ(history::importSummary(writer.importText(kLottery, "3 02 04 06 08 10")),
              "导入 1 期，跳过重复 0 期，错误 0 行");
}

}  // namespace
