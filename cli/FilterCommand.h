#pragma once

#include <optional>
#include <string>

#include "cli/Console.h"
#include "cli/PastSource.h"
#include "scheme/Scheme.h"

namespace cli {

// `quorvel filter SCHEME.json [--count | --report]`: the bets the scheme's
// window would list after its filter run, or only how many, or the condition
// report of its conditions.
struct FilterCommand {
    std::string schemeFile;
    PastSource past;
    bool isCountOnly = false;
    bool isReport = false;

    int run(const Console& console) const;
};

// The scheme a file holds; when it cannot be read or is wrong, one line on err.
std::optional<scheme::Scheme> loadScheme(const Console& console, const std::string& file);

}  // namespace cli
