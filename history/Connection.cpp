#include "history/Connection.h"

#include <sqlite3.h>

#include <utility>

namespace history {

Connection::~Connection() {
    sqlite3_close(m_db);
}

Connection::Connection(Connection&& other) noexcept : m_db(std::exchange(other.m_db, nullptr)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        sqlite3_close(m_db);
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

Connection Connection::open(const std::string& path, bool writable, bool create,
                            int busyTimeoutMs) {
    const int flags = (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) |
                      (writable && create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    // SQLite hands out a handle even when it fails; the connection closes it.
    Connection connection(db);
    if (code != SQLITE_OK) throw SqliteError{db ? sqlite3_extended_errcode(db) : code};
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    return connection;
}

void Connection::execute(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw SqliteError{sqlite3_extended_errcode(m_db)};
    }
}

int Connection::tryExecute(const char* sql) noexcept {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

int Connection::changes() const {
    return sqlite3_changes(m_db);
}

bool Connection::isReadOnly() const {
    return sqlite3_db_readonly(m_db, "main") == 1;
}

}  // namespace history
