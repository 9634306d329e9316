#pragma once

#include <optional>
#include <string>

#include "cli/Console.h"

namespace cli {

// `quorvel backtest SCHEME.json (--lottery NAME [--last N] | --draws FILE)`:
// the scheme's conditions, with its 容错, tried on the newest N draws of a
// kept lottery (100 unless told; 0 for all) or on every draw of a file in the
// import format (the newest N when told), without any database; the back-test
// table on out.
struct BacktestCommand {
    static constexpr int kDefaultLast = 100;
    std::string schemeFile;
    std::string lottery;
    std::optional<int> last;
    std::string drawFile;
    std::string db;

    int run(const Console& console) const;
};

}  // namespace cli
