#pragma once

#include <string>
#include <vector>

#include "engine/CandidateTable.h"

namespace engine {

// The surviving bets of a run as the window shows them: one line per bet in
// row order, and the same lines joined by CR LF with no trailing CR LF and no
// leading or trailing space.
struct Publication {
    std::vector<std::string> lines;
    std::string text;
    std::string unit = "注";  // what a line is: a bet, or "组" a group
};

// Joins lines into a publication's text.
//   {"01 02 03 04 05", "01 02 03 04 06"} => "01 02 03 04 05\r\n01 02 03 04 06"
//   {}                                   => ""
Publication publishLines(std::vector<std::string> lines);

// The alive rows of the table, each number as two digits ("01".."11") joined
// by `separator` (' ' or ','): the bet 1 2 3 4 5 gives "01 02 03 04 05".
Publication publishAlive(const CandidateTable& table, char separator);

}  // namespace engine
