#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "history/HistoryStore.h"
#include "tests/history/TempFolder.h"

namespace {

using history::Access;
using history::HistoryStore;

constexpr const char* kDraws = "2026120801 03 07 01 11 05\n2026120802 04 05 06 07 08\n";
// Long enough for SQLite to see the lock, short enough for many calls.
constexpr int kShortWaitMs = 20;

// A second connection, as another program would hold it.
using Holder = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Holder connect(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    Holder holder(db, &sqlite3_close);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    return holder;
}

void makeHistory(const std::string& path) {
    HistoryStore store(path);
    ASSERT_TRUE(store.importText("广东11选5", kDraws).ok()) << store.openError();
}

// Every call answers with the open error, and nothing crashes.
void expectEveryCallRefused(HistoryStore& store, const std::string& message) {
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(store.openError(), message);
    const bool isBusy = message.starts_with("开奖历史文件被另一个程序占用");
    EXPECT_EQ(store.lotteries().isBusy, isBusy);
    EXPECT_EQ(store.importText("广东11选5", kDraws).isBusy, isBusy);
    EXPECT_EQ(store.lotteries().errorText, message);
    EXPECT_EQ(store.addLottery("x").errorText, message);
    EXPECT_EQ(store.draws("广东11选5", 5).errorText, message);
    EXPECT_EQ(store.newestIssue("广东11选5").errorText, message);
    EXPECT_EQ(store.importText("广东11选5", kDraws).errorText, message);
    EXPECT_EQ(store.deleteDraws("广东11选5", {"2026120801"}).errorText, message);
}

// A history file whose bytes from `offset` on are garbage.
std::function<Holder(const std::string&)> garbledFrom(std::size_t offset) {
    return [offset](const std::string& p) {
        makeHistory(p);
        std::string bytes = historytest::bytesOf(p);
        for (std::size_t i = offset; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
        historytest::writeBytes(p, bytes);
        return Holder(nullptr, &sqlite3_close);
    };
}

struct FaultRow {
    const char* name;
    std::function<Holder(const std::string& path)> make;
    const char* message;
};

TEST(HistoryStoreFaults, EachFileFaultGivesOneMessageAndLeavesTheFileAsItWas) {
    const auto held = [](const char* sql) {
        return [sql](const std::string& p) { return (makeHistory(p), connect(p, sql)); };
    };
    const FaultRow rows[] = {
        {"text file",
         [](const std::string& p) {
             historytest::writeBytes(p, std::string("期号,号码1\n") + kDraws);
             return Holder(nullptr, &sqlite3_close);
         },
         "不是开奖历史文件："},
        {"SQLite file with other tables",
         [](const std::string& p) { return connect(p, "CREATE TABLE notes (text TEXT)"); },
         "不是开奖历史文件："},
        {"history of another version", held("PRAGMA user_version = 2"), "不是开奖历史文件："},
        {"valid header then garbage", garbledFrom(100), "开奖历史文件已损坏："},
        // The tables are still found; only checking every page shows it.
        {"garbage after the first page", garbledFrom(4096), "开奖历史文件已损坏："},
        // The store's own rule (no write permission for anybody), so this holds
        // when the tests run as root, who could write the file anyway.
        {"read-only file",
         [](const std::string& p) {
             makeHistory(p);
             using std::filesystem::perms;
             std::filesystem::permissions(p, perms::owner_read | perms::group_read);
             return Holder(nullptr, &sqlite3_close);
         },
         "开奖历史文件只读，不能保存："},
        {"locked by another connection", held("BEGIN EXCLUSIVE"), "开奖历史文件被另一个程序占用："},
        {"another connection's pending write", held("BEGIN IMMEDIATE"),
         "开奖历史文件被另一个程序占用："},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        historytest::TempFolder folder;
        const std::string path = folder.file("history.sqlite");
        const Holder holder = row.make(path);
        const std::string before = historytest::bytesOf(path);
        {
            HistoryStore store(path, Access::ReadWrite, kShortWaitMs);
            expectEveryCallRefused(store, row.message + path);
        }
        EXPECT_EQ(historytest::bytesOf(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }
}

TEST(HistoryStoreFaults, MissingUncreatableAndUnnamedFilesAreRefusedWithoutCreatingThem) {
    historytest::TempFolder folder;
    const std::string missing = folder.file("missing/history.sqlite");
    HistoryStore reader(missing, Access::ReadOnly);
    expectEveryCallRefused(reader, "开奖历史文件不存在：" + missing);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    historytest::writeBytes(folder.file("a-file"), "x");
    const std::string underFile = folder.file("a-file/history.sqlite");
    HistoryStore underAFile(underFile);
    expectEveryCallRefused(underAFile, "不能创建开奖历史文件：" + underFile);

    HistoryStore unnamed("");
    expectEveryCallRefused(unnamed, "没有指定开奖历史文件");
}

TEST(HistoryStoreFaults, ReadOnlyAccessReadsButSavesNothing) {
    historytest::TempFolder folder;
    const std::string path = folder.file("history.sqlite");
    makeHistory(path);
    const std::string before = historytest::bytesOf(path);
    HistoryStore store(path, Access::ReadOnly);
    ASSERT_TRUE(store.isOpen()) << store.openError();
    EXPECT_EQ(store.draws("广东11选5").value.size(), 2u);
    const std::string message = "开奖历史文件只读，不能保存：" + path;
    EXPECT_EQ(store.importText("广东11选5", "03 07 01 11 05").errorText, message);
    EXPECT_EQ(store.addLottery("山东11选5").errorText, message);
    EXPECT_EQ(store.deleteDraws("广东11选5", {"2026120801"}).errorText, message);
    EXPECT_EQ(historytest::bytesOf(path), before);
}

TEST(HistoryStoreFaults, LockTakenAfterOpeningFailsThoseCallsOnlyWhileItLasts) {
    historytest::TempFolder folder;
    const std::string path = folder.file("history.sqlite");
    makeHistory(path);
    HistoryStore store(path, Access::ReadWrite, kShortWaitMs);
    ASSERT_TRUE(store.isOpen()) << store.openError();
    const std::string locked = "开奖历史文件被另一个程序占用：" + path;
    const std::string before = historytest::bytesOf(path);
    {
        // A pending write lets others read but not write.
        const Holder writer = connect(path, "BEGIN IMMEDIATE");
        const auto report = store.importText("广东11选5", "03 07 01 11 05");
        EXPECT_EQ(report.errorText, locked);
        EXPECT_TRUE(report.isBusy);
        EXPECT_EQ(store.deleteDraws("广东11选5", {"2026120801"}).errorText, locked);
        EXPECT_EQ(store.draws("广东11选5").value.size(), 2u);
    }
    {
        const Holder exclusive = connect(path, "BEGIN EXCLUSIVE");
        EXPECT_EQ(store.draws("广东11选5").errorText, locked);
        EXPECT_TRUE(store.draws("广东11选5").isBusy);
    }
    EXPECT_EQ(historytest::bytesOf(path), before);
    EXPECT_EQ(history::importSummary(store.importText("广东11选5", "03 07 01 11 05")),
              "导入 1 期，跳过重复 0 期，错误 0 行");
    EXPECT_EQ(store.newestIssue("广东11选5").value, "2026120803");
}

TEST(HistoryStoreFaults, FileBusyWhenFirstUsedOpensOnceTheOtherProgramLetsGo) {
    historytest::TempFolder folder;
    const std::string path = folder.file("history.sqlite");
    makeHistory(path);
    const std::string locked = "开奖历史文件被另一个程序占用：" + path;
    for (const Access access : {Access::ReadWrite, Access::ReadOnly}) {
        SCOPED_TRACE(access == Access::ReadWrite ? "read-write" : "read-only");
        Holder exclusive = connect(path, "BEGIN EXCLUSIVE");
        const HistoryStore store(path, access, kShortWaitMs);
        const auto busy = store.draws("广东11选5");
        EXPECT_EQ(busy.errorText, locked);
        EXPECT_TRUE(busy.isBusy);
        exclusive.reset();
        const auto read = store.draws("广东11选5");
        EXPECT_TRUE(read.ok()) << read.errorText;
        EXPECT_EQ(read.value.size(), 2u);
        EXPECT_TRUE(store.isOpen());
    }
}

// Another program makes the file between the store finding it missing and
// creating it.
TEST(HistoryStoreFaults, FileMadeByAnotherProgramWhileCreatingIsKeptAsItIs) {
    struct Row {
        const char* name;
        std::function<void(const std::string& path)> make;
        const char* message;  // nullptr: the store uses the file
        std::size_t draws;
    };
    const Row rows[] = {
        {"another program's database",
         [](const std::string& p) { connect(p, "CREATE TABLE notes (text TEXT)"); },
         "不是开奖历史文件：", 0},
        {"a text file", [](const std::string& p) { historytest::writeBytes(p, kDraws); },
         "不是开奖历史文件：", 0},
        {"another store's history", makeHistory, nullptr, 2},
        {"an empty file", [](const std::string& p) { historytest::writeBytes(p, ""); }, nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        historytest::TempFolder folder;
        const std::string path = folder.file("history.sqlite");
        std::string made;
        history::HistoryFile::beforeCreating = [&] {
            row.make(path);
            made = historytest::bytesOf(path);
        };
        HistoryStore store(path, Access::ReadWrite, kShortWaitMs);
        if (row.message != nullptr) {
            expectEveryCallRefused(store, row.message + path);
            EXPECT_EQ(historytest::bytesOf(path), made);
            continue;
        }
        ASSERT_TRUE(store.isOpen()) << store.openError();
        EXPECT_TRUE(store.importText("山东11选5", "03 07 01 11 05").ok());
        EXPECT_EQ(store.draws("广东11选5").value.size(), row.draws);
        EXPECT_EQ(HistoryStore(path).lotteries().value.size(), row.draws > 0 ? 2u : 1u);
    }
    history::HistoryFile::beforeCreating = nullptr;
}

}  // namespace
