#pragma once

#include <bitset>
#include <string_view>
#include <vector>

#include "engine/CandidateTable.h"

namespace any5::stages {

// How the text stages read a box: spaces trimmed from both ends, lines split
// at CR LF only (a lone CR or LF stays inside its line), and a number counted
// in a line when its two-digit token occurs anywhere in it.

// The distinct token masks of the lines of a text, collected in one pass.
// An empty line has mask 0. There are at most 2048 of them however long the
// text is, so a stage's work per bet is bounded.
struct LineMasks {
    std::bitset<2048> present;
    std::vector<engine::BetMask> distinct;
};
LineMasks collectLineMasks(std::string_view text);

// True when the text still shows a format hint: it holds the full-width
// colon "：" anywhere (an ASCII colon does not count).
bool showsColonHint(std::string_view text);

}  // namespace any5::stages
