#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/Draw.h"

namespace history {

// Issue numbers (期号) are kept as text. A newer issue is a longer one, or one
// as long and later byte by byte, so that issues written with digits sort as
// numbers: "99" < "100", "2026120805" < "2026120806". The store sorts alike.
bool isNewerIssue(std::string_view issue, std::string_view than);

// The issue after `newest`: its last run of digits counted up by one, keeping
// its leading zeros; "-1" added when it does not end with a digit; "1" after
// none. Always newer than `newest`. Examples:
//   "2026120805"  => "2026120806"     "2026120899" => "2026120900"
//   "99"          => "100"            "20261208-09" => "20261208-10"
//   "第5期"       => "第5期-1"        ""  => "1"
std::string nextIssue(std::string_view newest);

// Gives each draw without an issue, in the order of `draws` (oldest first, as
// a file lists them), the next issue after the newest of `newestStored` and of
// the issues `draws` already have, so that no two draws share an issue.
// Example: stored "2026120805", draws [none, "2026120806", none] get
// "2026120807", "2026120806", "2026120808".
void numberDraws(std::vector<Draw>& draws, std::string_view newestStored);

}  // namespace history
