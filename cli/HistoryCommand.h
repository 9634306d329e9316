#pragma once

#include <string>

#include "cli/Console.h"

namespace cli {

// Where the history file is: --db, else QUORVEL_HISTORY_DB, else the user's
// data folder.
std::string historyFileFor(const std::string& db);

// `quorvel history import|list|export --lottery NAME`: draws into the kept
// history from a file in the import format (the summary line on out; exit 2
// when a line is refused, an issue is kept with other numbers and --replace
// is not given, or the file cannot save), the newest draws one a
// line ("2026120801 03 07 01 11 05"), or every draw as CSV.
struct HistoryCommand {
    enum class Action { Import, List, Export };
    Action action = Action::List;
    std::string lottery;
    std::string drawFile;    // import
    bool isReplace = false;  // import: issues kept with other numbers take the file's
    int last = 0;            // list: the newest `last` only, when above 0
    std::string db;

    int run(const Console& console) const;
};

}  // namespace cli
