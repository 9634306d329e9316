#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/Runner.h"

namespace cli {

// The runner's exit codes.
constexpr int kDone = 0;
constexpr int kFailedRun = 1;  // the assistant's message or a failed filter run
constexpr int kBadInput = 2;   // a bad argument, an unreadable file or a wrong scheme

// What a command sees of the world: the two output streams and the files it may read.
struct Console {
    std::ostream& out;
    std::ostream& err;
    const FileReader& readFile;

    // The file's text; when it cannot be read, says "quorvel: cannot read NAME".
    std::optional<std::string> read(const std::string& name) const;
    // One line on err: "quorvel: " and the problem.
    void complain(const std::string& problem) const;
    // Each line of text ending in "\n", whatever line breaks it came with.
    void printLines(const std::string& text) const;
};

// The lines of a text, split at any line break; a last break adds no empty line.
//   "a\nb\r\n" => {"a", "b"}
//   "a\r\rb"   => {"a", "", "b"}
//   ""         => {}
std::vector<std::string> linesOf(const std::string& text);

}  // namespace cli
