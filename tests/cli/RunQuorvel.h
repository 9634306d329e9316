#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Runner.h"

namespace clitest {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// The runner with in-memory files: a name maps to its text; others are missing.
inline Outcome quorvel(const std::vector<std::string>& args,
                       const std::map<std::string, std::string>& files = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int code =
        cli::run(args, out, err, [&files](const std::string& name) -> std::optional<std::string> {
            const auto found = files.find(name);
            if (found == files.end()) return std::nullopt;
            return found->second;
        });
    return {code, out.str(), err.str()};
}

}  // namespace clitest
