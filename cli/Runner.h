#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Reads a named file, or standard input for "-"; nothing when it cannot.
using FileReader = std::function<std::optional<std::string>(const std::string& name)>;

// The `quorvel` command line: the engine without a window.
//   quorvel filter SCHEME.json [--count | --report]
//   quorvel explain SCHEME.json BET
//   quorvel history import --lottery NAME DRAWS.txt [--replace] [--db FILE]
//   quorvel history list|export --lottery NAME [--last N] [--db FILE]
//   quorvel backtest SCHEME.json (--lottery NAME | --draws DRAWS.txt) [--last N] [--db FILE]
//   quorvel check SCHEME.json --draw "03 07 01 11 05"
//   quorvel reduce SCHEME.json (--play 任选六 | --all) [--time-limit SECONDS]
//   quorvel bankers HISTORY.txt
//   quorvel intersect --edition any5|front3 --op and|or|a-b|b-a [--comma] A.txt B.txt
//   quorvel [COMMAND] --help | --version
// Options may stand before or after the file names. Returns the exit code: 0
// done (help and version on `out`), 1 the assistant's message or a failed run,
// 2 bad arguments, an unreadable file or a wrong scheme (one line on `err`
// naming it, "quorvel: ...").
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const FileReader& readFile);

}  // namespace cli
