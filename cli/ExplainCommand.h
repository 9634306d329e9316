#pragma once

#include <string>

#include "cli/Console.h"
#include "cli/PastSource.h"

namespace cli {

// `quorvel explain SCHEME.json BET`: the conditions of the scheme that the bet
// breaks, one a line, in run order, each with why ("杀和值：和值 19"); nothing
// when it passes every one.
struct ExplainCommand {
    std::string schemeFile;
    PastSource past;
    std::string bet;

    int run(const Console& console) const;
};

}  // namespace cli
