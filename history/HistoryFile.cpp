#include "history/HistoryFile.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "history/Statement.h"
#include "history/Transaction.h"

namespace history {

namespace fs = std::filesystem;

namespace {

// "QVLH", so that another program's SQLite file is told apart from ours.
constexpr int kApplicationId = 0x51564C48;
constexpr int kSchemaVersion = 1;

// Draws sort newest first by issue: longer, then later byte by byte
// (IssueNumbers.h); the index keeps that order per lottery. The numbers are
// checked here too, so that no bad draw gets in whatever the caller does.
constexpr const char* kSchema = R"(
CREATE TABLE lottery (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE draw (
  lottery INTEGER NOT NULL REFERENCES lottery (id),
  issue TEXT NOT NULL,
  n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, n3 INTEGER NOT NULL,
  n4 INTEGER NOT NULL, n5 INTEGER NOT NULL,
  UNIQUE (lottery, issue),
  CHECK (n1 BETWEEN 1 AND 11 AND n2 BETWEEN 1 AND 11 AND n3 BETWEEN 1 AND 11
         AND n4 BETWEEN 1 AND 11 AND n5 BETWEEN 1 AND 11
         AND n1 NOT IN (n2, n3, n4, n5) AND n2 NOT IN (n3, n4, n5)
         AND n3 NOT IN (n4, n5) AND n4 <> n5));
CREATE INDEX draw_newest ON draw (lottery, length(CAST(issue AS BLOB)), issue);
PRAGMA application_id = 1364610120;
PRAGMA user_version = 1;
)";
static_assert(kApplicationId == 1364610120);

HistoryFile failed(StoreFault fault) {
    return {Connection(), fault};
}

int pragmaValue(const Connection& connection, const char* pragma) {
    Statement statement(connection, pragma);
    return statement.step() ? statement.intAt(0) : 0;
}

bool nobodyMayWrite(const std::string& path) {
    constexpr auto write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    std::error_code error;
    const auto status = fs::status(path, error);
    return !error && (status.permissions() & write) == fs::perms::none;
}

bool isIntact(const Connection& connection) {
    Statement check(connection, "PRAGMA quick_check");
    return check.step() && check.textAt(0) == "ok";
}

// The tables are made only in a file that holds nothing yet, and in one
// transaction that first takes the write lock: when two programs create the
// file at once, one makes them and the other finds them made.
void createSchemaIfEmpty(Connection& connection) {
    Transaction transaction(connection);
    if (pragmaValue(connection, "SELECT count(*) FROM sqlite_master") == 0 &&
        pragmaValue(connection, "PRAGMA application_id") == 0) {
        connection.execute(kSchema);
        transaction.commit();
    }
}

// Reading comes first, so that a file that is no SQLite database, or not
// ours, is only ever read.
HistoryFile checkedFile(Connection connection, bool writable) {
    if (pragmaValue(connection, "PRAGMA application_id") != kApplicationId ||
        pragmaValue(connection, "PRAGMA user_version") != kSchemaVersion) {
        return failed(StoreFault::NotHistory);
    }
    if (!isIntact(connection)) return failed(StoreFault::Corrupt);
    // Begun and rolled back: another program's pending write shows now.
    if (writable) {
        Transaction probe(connection);
    }
    return {std::move(connection), {}};
}

// Nothing is ever removed: a file found missing may have been made by
// another program by the time SQLite opens it, and an empty file left by a
// failed creation is an empty database that the next opening fills.
HistoryFile writableFile(const std::string& path, int busyWaitMs) {
    std::error_code error;
    const bool missing = !fs::exists(path, error) && !error;
    if (missing) {
        const fs::path parent = fs::path(path).parent_path();
        if (!parent.empty()) fs::create_directories(parent, error);
        if (error) return failed(StoreFault::CannotCreate);
        if (HistoryFile::beforeCreating) std::exchange(HistoryFile::beforeCreating, nullptr)();
    } else if (nobodyMayWrite(path)) {
        return failed(StoreFault::ReadOnly);
    }
    Connection connection;
    try {
        connection = Connection::open(path, true, missing, busyWaitMs);
    } catch (const SqliteError& fault) {
        return failed(missing ? StoreFault::CannotCreate : faultOfSqliteCode(fault.code));
    }
    if (connection.isReadOnly()) return failed(StoreFault::ReadOnly);
    createSchemaIfEmpty(connection);
    return checkedFile(std::move(connection), true);
}

// A program that died while saving leaves its journal, which only a
// connection that may write can roll back; until then every read-only one
// fails. Opened for writing once, the first read restores the file.
void rollBackInterruptedWrite(const std::string& path, int busyWaitMs) {
    Connection connection = Connection::open(path, true, false, busyWaitMs);
    pragmaValue(connection, "SELECT count(*) FROM sqlite_master");
}

HistoryFile readableFile(const std::string& path, int busyWaitMs) {
    std::error_code error;
    if (!fs::exists(path, error) && !error) return failed(StoreFault::Missing);
    try {
        return checkedFile(Connection::open(path, false, false, busyWaitMs), false);
    } catch (const SqliteError& fault) {
        if (fault.code != SQLITE_READONLY_ROLLBACK || nobodyMayWrite(path)) throw;
    }
    rollBackInterruptedWrite(path, busyWaitMs);
    return checkedFile(Connection::open(path, false, false, busyWaitMs), false);
}

}  // namespace

bool HistoryFile::isInterruptedWrite(int sqliteCode) {
    return sqliteCode == SQLITE_READONLY_ROLLBACK;
}

HistoryFile HistoryFile::open(const std::string& path, Access access, int busyWaitMs) {
    if (path.empty()) return failed(StoreFault::NoPath);
    try {
        if (path == kInMemory) {
            Connection connection = Connection::open(path, true, true);
            createSchemaIfEmpty(connection);
            return {std::move(connection), {}};
        }
        return access == Access::ReadWrite ? writableFile(path, busyWaitMs)
                                           : readableFile(path, busyWaitMs);
    } catch (const SqliteError& error) {
        return failed(faultOfSqliteCode(error.code));
    }
}

}  // namespace history
