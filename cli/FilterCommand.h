#pragma once

#include <string>

#include "cli/Console.h"

namespace cli {

// `quorvel filter SCHEME.json [--count]`: the bets the scheme's window would
// list after its filter run, or only how many.
struct FilterCommand {
    std::string schemeFile;
    bool isCountOnly = false;

    int run(const Console& console) const;
};

}  // namespace cli
