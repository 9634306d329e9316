#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/Draw.h"

namespace history {

// Issue numbers (期号) are kept as text. A newer issue is a longer one, or one
// as long and later byte by byte, so that issues written with digits sort as
// numbers: "99" < "100", "2026120805" < "2026120806". The store sorts alike.
// That order is right only among issues of one shape, which is why a lottery
// keeps one (fitsIssueShape).
bool isNewerIssue(std::string_view issue, std::string_view than);

// Whether `issue` has the shape of `example`: as long, with a digit wherever
// `example` has one and the same byte wherever it has another. Issues of
// digits only fit each other whatever their lengths, as they sort as numbers.
// Examples:
//   "2026121105"  fits "2026120901"     "20261209-12" fits "20261208-01"
//   "第7期"       fits "第5期"          "100"         fits "99"
//   "20261208-01" does not fit "2026120901" (nor the other way round)
//   "20261208-100" does not fit "20261208-99"    "第5期-1" does not fit "第5期"
bool fitsIssueShape(std::string_view issue, std::string_view example);

// The issue after `newest`: its last run of digits counted up by one, keeping
// its leading zeros; "-1" added when it does not end with a digit; "1" after
// none. Always newer than `newest`, and of its shape unless its digits run
// over ("99" => "100" still fits, being digits only; "20261208-99" =>
// "20261208-100" does not) or it gets "-1". Examples:
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

// The first draw missing from a day's run, in `oldestFirst` order: issues of
// the shape yyyymmddNN or yymmddNN (a real month and day) whose NN jumps by
// more than one within a day name the issue after the earlier one. None when
// nothing is missing or no issue has such a shape. Examples:
//   "2026120915", "2026120916", "2026120918" => "2026120917"
//   "2026120990", "2026121001"               => none (a new day)
//   "26120901", "26120903"                   => "26120902"
std::string firstMissingIssue(const std::vector<std::string>& oldestFirst);

}  // namespace history
