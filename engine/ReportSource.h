#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Verdicts.h"

namespace engine {

// What the condition report reads of an edition.
struct ReportSource {
    std::function<std::string()> fingerprint;  // changes when a condition may have
    std::function<Verdicts()> verdicts;
    std::function<std::pair<int, int>()> toleranceRange;  // the main window's selectors
    // The row of the typed bet in the edition's table, or 0 and a message.
    std::function<int(std::string_view text, std::string& error)> findBet;
};

}  // namespace engine
