#pragma once

#include <string>

#include "cli/Console.h"
#include "cli/PastSource.h"

namespace cli {

// `quorvel check SCHEME.json --draw "03 07 01 11 05"`: the scheme's result
// against a draw (对奖), as the history window shows it.
struct CheckCommand {
    std::string schemeFile;
    PastSource past;
    std::string draw;

    int run(const Console& console) const;
};

}  // namespace cli
