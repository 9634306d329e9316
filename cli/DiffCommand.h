#pragma once

#include <string>

#include "cli/Console.h"
#include "cli/PastSource.h"

namespace cli {

// `quorvel diff A.json B.json [--bets both|only-a|only-b]`: the conditions of
// two schemes of one edition side by side by their report names (相同, 不同,
// 只在A, 只在B) and how many bets their results share, or the bets of one
// part, one a line.
struct DiffCommand {
    std::string fileA;
    std::string fileB;
    std::string bets;  // "", "both", "only-a" or "only-b"
    PastSource past;

    int run(const Console& console) const;
};

}  // namespace cli
