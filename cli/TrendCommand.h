#pragma once

#include <string>

#include "cli/Console.h"

namespace cli {

// `quorvel trend --lottery NAME [--db FILE] [--last N] [--edition any5|front3]
// [--csv]`: the trend chart of a kept lottery: its window line and the five
// statistics rows as aligned text, or the whole chart as CSV.
struct TrendCommand {
    static constexpr int kDefaultLast = 50;

    std::string lottery;
    std::string db;
    int last = kDefaultLast;  // 0: every draw
    std::string edition = "any5";
    int bigFrom = 7;
    bool isCsv = false;

    int run(const Console& console) const;
};

}  // namespace cli
