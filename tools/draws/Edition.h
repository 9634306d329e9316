#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Verdicts.h"

namespace draws {

// What the draw history reads of an edition's main window: its conditions'
// verdicts and 容错 as they stand, where a draw's winning bet lies in its
// table, and the published result.
struct Edition {
    enum class Kind { Any5, Front3 };
    Kind kind = Kind::Any5;
    std::function<engine::Verdicts()> verdicts;
    std::function<engine::Tolerance()> tolerance;
    // Whether the result shows groups (front-3 after 【转为组选】).
    std::function<bool()> isGrouped = [] { return false; };
    // The rows holding a draw's winning bet: any-5 its set; front-3 its first
    // three in order, or every ordering of them while the result shows groups.
    std::function<std::vector<int>(const std::array<int, 5>& draw)> winnerRows;
    // How many bets (or groups) the result would list with these survivors.
    std::function<int(const engine::RowBits& survivors)> countSurvivors;
    // The published result, one bet a line.
    std::function<std::string()> resultText;
};

}  // namespace draws
