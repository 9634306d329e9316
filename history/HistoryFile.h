#pragma once

#include <functional>
#include <optional>
#include <string>

#include "history/Connection.h"
#include "history/StoreFault.h"

namespace history {

enum class Access { ReadWrite, ReadOnly };

// A history file opened and checked, or why it could not be.
struct HistoryFile {
    Connection connection;
    std::optional<StoreFault> fault;

    // ":memory:" is a history in memory only, gone with its connection.
    static constexpr const char* kInMemory = ":memory:";

    // Creates a missing file, and its folder, when opened for writing, and
    // gives the tables to a file that holds none (an empty file); never
    // removes a file. Never writes to a file that is not a history file or
    // cannot be used: a file whose permissions let nobody write is read-only
    // even for root, another program's write transaction makes it locked, and
    // a history file is checked (PRAGMA quick_check) before it is trusted. A
    // crashed writer's journal is rolled back first, when the file may be
    // written, even when it is opened for reading. `busyWaitMs`: how long to
    // wait for another program's lock.
    static HistoryFile open(const std::string& path, Access access,
                            int busyWaitMs = Connection::kBusyTimeoutMs);

    // The SQLite code of a read that found such a journal.
    static bool isInterruptedWrite(int sqliteCode);

    // For tests: runs once, the next time a missing file is about to be
    // created, where another program could create it first.
    static inline std::function<void()> beforeCreating;
};

}  // namespace history
