#pragma once

#include <string>
#include <vector>

#include "history/DrawLines.h"

namespace history {

// What one import did. Nothing is imported when a line is refused or the
// store cannot save.
struct ImportReport {
    int imported = 0;
    int skipped = 0;                // draws whose issue the lottery already has
    std::vector<LineError> errors;  // refused lines
    std::string errorText;          // why the store could not save, or ""

    bool ok() const { return errors.empty() && errorText.empty(); }
};

// The one line shown after an import: the counts, then the first five refused
// lines with their reasons ("；…" when there are more); when the store could
// not save, its message instead. Examples:
//   {12, 3}                   => "导入 12 期，跳过重复 3 期，错误 0 行"
//   {0, 0, {{3, Repeated}, {7, OutOfRange}}}
//       => "导入 0 期，跳过重复 0 期，错误 2 行：第 3 行 号码重复；第 7 行 号码超出 1..11"
//   six refused lines 1..6    => "…错误 6 行：第 1 行 …；第 5 行 不是 5 个号码；…"
std::string importSummary(const ImportReport& report);

}  // namespace history
