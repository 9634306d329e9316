#include "history/HistoryFile.h"

#include <filesystem>
#include <system_error>

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

void createSchema(Connection& connection) {
    Transaction transaction(connection);
    connection.execute(kSchema);
    transaction.commit();
}

HistoryFile createdFile(const std::string& path) {
    std::error_code error;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, error);
    if (error) return failed(StoreFault::CannotCreate);
    try {
        Connection connection = Connection::open(path, true, true);
        createSchema(connection);
        return {std::move(connection), {}};
    } catch (const SqliteError&) {
        // Only what this call made goes: the file did not exist before.
        fs::remove(path, error);
        return failed(StoreFault::CannotCreate);
    }
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

// Reading comes first, so that a file that is no SQLite database, or not
// ours, is only ever read.
HistoryFile existingFile(const std::string& path, Access access) {
    const bool writable = access == Access::ReadWrite;
    if (writable && nobodyMayWrite(path)) return failed(StoreFault::ReadOnly);
    Connection connection = Connection::open(path, writable, false);
    if (writable && connection.isReadOnly()) return failed(StoreFault::ReadOnly);
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

}  // namespace

HistoryFile HistoryFile::open(const std::string& path, Access access) {
    if (path.empty()) return failed(StoreFault::NoPath);
    try {
        if (path == kInMemory) {
            Connection connection = Connection::open(path, true, true);
            createSchema(connection);
            return {std::move(connection), {}};
        }
        std::error_code error;
        const bool exists = fs::exists(path, error);
        if (!exists && !error) {
            return access == Access::ReadOnly ? failed(StoreFault::Missing) : createdFile(path);
        }
        return existingFile(path, access);
    } catch (const SqliteError& error) {
        return failed(faultOfSqliteCode(error.code));
    }
}

}  // namespace history
