#pragma once

#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace history {

class Connection;

// One prepared statement of a connection, finalised when destroyed. Failures
// throw SqliteError. Parameters count from 1, result columns from 0, as in
// SQLite.
class Statement {
public:
    Statement(const Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int parameter, int value);
    Statement& bind(int parameter, std::string_view text);
    // Moves to the next result row: false when there is none.
    bool step();
    // Runs it to its end, then readies it for new values.
    void run();
    int intAt(int column) const;
    std::string textAt(int column) const;

private:
    [[noreturn]] void fail() const;

    sqlite3_stmt* m_statement = nullptr;
};

}  // namespace history
