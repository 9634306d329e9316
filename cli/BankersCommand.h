#pragma once

#include <string>

#include "cli/Console.h"

namespace cli {

// `quorvel bankers HISTORY.txt`: the three coldest numbers of the five most
// recent draws (most recent first, one per line), as the kill-number
// assistant chooses them.
struct BankersCommand {
    std::string historyFile;

    int run(const Console& console) const;
};

}  // namespace cli
