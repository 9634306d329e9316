#pragma once

#include <string>

#include "cli/Console.h"

namespace cli {

// `quorvel explain SCHEME.json BET`: the conditions of the scheme that the bet
// breaks, one a line, in run order; nothing when it passes every one.
struct ExplainCommand {
    std::string schemeFile;
    std::string bet;

    int run(const Console& console) const;
};

}  // namespace cli
