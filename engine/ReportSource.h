#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Verdicts.h"

namespace engine {

// What the main window has published, as the report speaks of it.
struct PublishedResult {
    bool hasRun = false;
    int count = 0;
    bool isStale = false;  // the conditions changed since
    std::string unit = "注";
};

// What the condition report reads of an edition.
struct ReportSource {
    std::function<std::string()> fingerprint;  // changes when a condition may have
    std::function<Verdicts()> verdicts;
    std::function<std::pair<int, int>()> toleranceRange;  // the main window's selectors
    // The row of the typed bet in the edition's table, or 0 and a message.
    std::function<int(std::string_view text, std::string& error)> findBet;
    std::function<PublishedResult()> published = [] { return PublishedResult{}; };
    // Survivors counted as the published result lists them (front-3 groups
    // after 转为组选); empty: one a row.
    std::function<int(const RowBits& rows)> countShown;
    // Why the bet of a row breaks the named condition ("和值 19"); empty when
    // the condition cannot say.
    std::function<std::string(const std::string& name, int row)> reasonOf =
        [](const std::string&, int) { return std::string(); };
};

}  // namespace engine
