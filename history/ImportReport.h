#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "history/DrawLines.h"

namespace history {

// What an import does with an issue the lottery already has under other
// numbers: refuse the import naming it, or take the new numbers.
enum class ImportMode { KeepStored, ReplaceStored };

// Called now and then while draws are saved (every 1000 and at the end), on
// the calling thread, so that a window can show how far it is.
using ImportProgress = std::function<void(std::size_t done, std::size_t total)>;

// What one import did. Nothing is imported when a line is refused, an issue
// conflicts, or the store cannot save.
struct ImportReport {
    int imported = 0;
    int skipped = 0;                // draws the lottery already has, same numbers
    int replaced = 0;               // ImportMode::ReplaceStored: draws given new numbers
    std::vector<LineError> errors;  // refused lines
    std::vector<std::string> conflicts;  // "第 12 行：2026120901 期已有 03 07 01 11 05，与本行不同"
    std::string errorText;               // why the store could not save, or ""
    bool isBusy = false;                 // errorText: the file was held by another program

    bool ok() const { return errors.empty() && conflicts.empty() && errorText.empty(); }
};

// The one line shown after an import: the counts, then the first five refused
// lines with their reasons ("；…" when there are more), then the first five
// conflicting issues likewise, then the replaced draws; when the store could
// not save, its message instead. Examples:
//   {12, 3}                   => "导入 12 期，跳过重复 3 期，错误 0 行"
//   {0, 0, 0, {{3, Repeated}, {7, OutOfRange}}}
//       => "导入 0 期，跳过重复 0 期，错误 2 行：第 3 行 号码重复；第 7 行 号码超出 1..11"
//   six refused lines 1..6    => "…错误 6 行：第 1 行 …；第 5 行 不是 5 个号码；…"
//   one conflict => "导入 0 期，跳过重复 0 期，错误 0 行，期号冲突 1 行：第 12 行：2026120901
//                    期已有 03 07 01 11 05，与本行不同"
//   {2, 0, 1}                 => "导入 2 期，跳过重复 0 期，错误 0 行，覆盖 1 期"
std::string importSummary(const ImportReport& report);

}  // namespace history
