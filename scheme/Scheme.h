#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/PastRelative.h"
#include "engine/Verdicts.h"

namespace scheme {

// A saved set of conditions (方案): the state of every condition control of one
// edition's main window. Empty sets, absent texts and false flags are the
// controls' start-up states.
enum class Edition { Any5, Front3 };

using Values = std::set<int>;
using Captions = std::set<std::string>;
using Pairs = std::set<std::pair<int, int>>;  // first < second

struct BankerGroup {
    Values numbers;
    Values counts;
    bool operator==(const BankerGroup&) const = default;
};

struct Scheme {
    Edition edition = Edition::Any5;

    // Both editions.
    bool comma = false;
    int bigFrom = 7;
    Pairs killPairs;
    Pairs keepPairs;
    Values killNumbers;
    Values killSpans;
    Values killSums;
    Values oddCounts;
    Values bigCounts;
    // Group k is element k; groups past the end are empty, and the list never
    // ends with an empty group.
    std::vector<BankerGroup> bankers;
    // A text box's text with CR LF line breaks; none means its start-up text.
    std::optional<std::string> killCompound;
    // 容错: the selectors' range and the conditions that do not take part.
    engine::Tolerance tolerance;
    // Counts read against the draws before the next one; a scheme never
    // holds draws. No rule means the edition's default.
    Values repeatCounts;
    Values neighbourCounts;
    Values isolatedCounts;
    Values hotCounts;
    Values warmCounts;
    Values coldCounts;
    std::optional<engine::HeatRule> hotRule;

    // Any-5 only.
    std::optional<std::string> killPositional;
    std::optional<std::string> killTriples;
    std::optional<std::string> keepTriples;
    std::optional<std::string> killQuads;
    std::optional<std::string> basePool;
    bool basePoolEnabled = false;
    Values killSumTails;
    Values smallest;
    Values largest;
    Values killSpacing;
    Values primeCounts;
    Captions killRuns;
    Captions killParity;
    Values acValues;
    std::array<Values, 3> roadCounts;

    // Front-3 only.
    std::optional<std::string> killDirect;
    Captions killPaths;
    std::array<Values, 3> killPositions;
    Captions killShapes;
    Captions killPatterns;
    bool group = false;

    bool operator==(const Scheme&) const = default;
};

// What reading a scheme file gave: the scheme, or one line naming the key
// and the value that is wrong.
struct ReadResult {
    std::optional<Scheme> scheme;
    std::string error;
};

// Reads and checks a whole scheme file's text. Text values come back with
// every line break ("\r\n", "\n" or a lone "\r") as CR LF.
ReadResult readScheme(std::string_view text);

// The scheme as a file: UTF-8 JSON, two-space indents, only the keys that
// differ from the start-up state, always in the same order, ending in "\n".
std::string writeScheme(const Scheme& scheme);

// "any5" / "front3"; the edition's name in messages: "任5版" / "前三版".
const char* editionKey(Edition edition);
const char* editionName(Edition edition);

}  // namespace scheme
