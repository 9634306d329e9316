#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scheme/Scheme.h"

// The pieces scheme keys are read and written with: one Field per key, and
// the checks that turn a wrong value into the one line the player reads.
namespace scheme {

// Keys keep the file's order, so the first wrong key of a file is the one
// named, and a written file lists its keys in the table's order.
using Json = nlohmann::ordered_json;

// A wrong key or value; its text is the one line the player reads.
struct Problem {
    std::string text;
};

[[noreturn]] void fail(std::string text);

// A value as the file writes it, cut short when long:
//   3 => "3"    "两连" => "\"两连\""    [1,2,3,...] => "[1,2,3,4,5,6,7,8,9,10,1…"
std::string shown(const Json& value);
// A key as JSON writes it, so a key holding a line break stays on one line.
std::string keyName(std::string_view key);
[[noreturn]] void wrongType(const std::string& where, const Json& value, const char* expected);
// The integer a JSON value holds, or wrongType. Floats such as 3.0 are not
// integers; huge values are clamped so the range check names them.
std::int64_t integerOf(const std::string& where, const Json& value, const char* expected);
const Json& arrayOf(const std::string& where, const Json& value, const char* expected);
// A set of integers lo..hi written as a JSON array.
Values readValues(const std::string& where, const Json& value, int lo, int hi);
Json valuesJson(const Values& values);

struct Field {
    const char* key;
    std::function<void(const Json&, Scheme&)> read;
    std::function<void(const Scheme&, Json&)> write;  // only when not the start-up state
};

Field flag(const char* key, bool Scheme::*member);
Field values(const char* key, Values Scheme::*member, int lo, int hi,
             std::size_t most = std::numeric_limits<std::size_t>::max());
Field pairs(const char* key, Pairs Scheme::*member);
Field text(const char* key, std::optional<std::string> Scheme::*member);
// Captions of buttons or boxes, written in the panel's order.
Field captions(const char* key, Captions Scheme::*member, std::vector<std::string> allowed,
               std::string example);
// "tolerance": {"min": a, "max": b, "hard": [condition names]} of an edition.
Field tolerance(const std::vector<std::string>& conditions);

}  // namespace scheme
