#pragma once

#include <string>
#include <vector>

#include "cli/Console.h"

namespace cli {

// `quorvel intersect --edition E --op OP [--comma] A.txt B.txt`: one of the
// intersection tool's operations on two lists of bets, in the edition's window.
struct IntersectCommand {
    // The accepted words; an operation's place is its button's in the tool.
    inline static const std::vector<std::string> kEditions = {"any5", "front3"};
    inline static const std::vector<std::string> kOperations = {"and", "or", "a-b", "b-a"};

    std::string edition;    // one of kEditions
    std::string operation;  // one of kOperations
    bool isComma = false;   // numbers of a bet separated by commas, not spaces
    std::string fileA;
    std::string fileB;

    int run(const Console& console) const;
};

}  // namespace cli
