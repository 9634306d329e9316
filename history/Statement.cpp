#include "history/Statement.h"

#include <sqlite3.h>

#include "history/Connection.h"

namespace history {

Statement::Statement(const Connection& connection, std::string_view sql) {
    const int code = sqlite3_prepare_v2(connection.handle(), sql.data(),
                                        static_cast<int>(sql.size()), &m_statement, nullptr);
    if (code != SQLITE_OK) throw SqliteError{sqlite3_extended_errcode(connection.handle())};
}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

void Statement::fail() const {
    throw SqliteError{sqlite3_extended_errcode(sqlite3_db_handle(m_statement))};
}

Statement& Statement::bind(int parameter, int value) {
    if (sqlite3_bind_int(m_statement, parameter, value) != SQLITE_OK) fail();
    return *this;
}

Statement& Statement::bind(int parameter, std::string_view text) {
    // SQLITE_TRANSIENT: SQLite copies the text, which may not outlive the call.
    if (sqlite3_bind_text(m_statement, parameter, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        fail();
    }
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) fail();
    return false;
}

void Statement::run() {
    while (step()) {
    }
    sqlite3_reset(m_statement);
}

int Statement::intAt(int column) const {
    return sqlite3_column_int(m_statement, column);
}

std::string Statement::textAt(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string(text,
                              static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                : std::string();
}

}  // namespace history
