#pragma once

#include <string>
#include <vector>

#include "history/Draw.h"

namespace history {

// A lottery's draws as CSV text: a UTF-8 BOM (so that spreadsheet programs
// read the Chinese header as UTF-8), a header line, then one draw a line,
// oldest first, with LF line breaks. parseDrawLines reads it back to the same
// draws. Example: draws (newest first) 2026120802 04 05 06 07 08 and
// 2026120801 03 07 01 11 05 give
//   "\xEF\xBB\xBF期号,号码1,号码2,号码3,号码4,号码5\n"
//   "2026120801,03,07,01,11,05\n2026120802,04,05,06,07,08\n"
std::string drawsToCsv(const std::vector<Draw>& newestFirst);

}  // namespace history
