#pragma once

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

    // Creates a missing file, and its folder, when opened for writing. Never
    // writes to a file that is not a history file or cannot be used: a file
    // whose permissions let nobody write is read-only even for root, another
    // program's write transaction makes it locked, and a history file is
    // checked (PRAGMA quick_check) before it is trusted.
    static HistoryFile open(const std::string& path, Access access);
};

}  // namespace history
