#pragma once

#include <string>

struct sqlite3;

namespace history {

// An SQLite failure inside the store; the store turns it into its message
// before answering, so it never reaches the store's callers.
struct SqliteError {
    int code = 0;  // the extended result code
};

// One open SQLite connection, closed when destroyed. Failures throw
// SqliteError.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Waits this long for another connection's lock before giving up: longer
    // than another program's import of a large file takes.
    static constexpr int kBusyTimeoutMs = 5000;

    // Never creates the file unless `create`; read-only unless `writable`.
    static Connection open(const std::string& path, bool writable, bool create,
                           int busyTimeoutMs = kBusyTimeoutMs);

    bool isOpen() const { return m_db != nullptr; }
    void execute(const char* sql);
    // For clean-up paths that must not throw: SQLite's result code.
    int tryExecute(const char* sql) noexcept;
    // Rows the last INSERT, UPDATE or DELETE changed.
    int changes() const;
    // Opened for writing but SQLite could only open the file for reading.
    bool isReadOnly() const;
    sqlite3* handle() const { return m_db; }

private:
    explicit Connection(sqlite3* db) : m_db(db) {}

    sqlite3* m_db = nullptr;
};

}  // namespace history
