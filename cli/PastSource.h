#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Console.h"
#include "history/Draw.h"

namespace draws {
class PastPanel;
}

namespace cli {

// Where the rows read against past draws find them: `--lottery NAME [--db
// FILE]` (that lottery's stored draws), `--draws FILE` (the import format) or
// `--previous "03 07 01 11 05"` (上期 alone). At most one is given.
struct PastSource {
    std::string lottery;
    std::string db;
    std::string drawFile;
    std::string previous;

    bool isGiven() const { return !lottery.empty() || !drawFile.empty() || !previous.empty(); }
};

// The draws of a file, newest first as the store gives them; none, and why on
// err, when a line is refused.
std::optional<std::vector<history::Draw>> drawsOfFile(const std::string& file,
                                                      const Console& console);

// Gives the panel the reference the source names; false, with one line on
// err, when it cannot be read, or when a set row still has nothing to read
// (the line names its scheme key).
bool readPastSource(draws::PastPanel& panel, const PastSource& source, const Console& console);

}  // namespace cli
