#pragma once

#include <string>
#include <vector>

#include "engine/ConditionReport.h"

namespace engine {

// The condition report as aligned text, one condition a line, then the totals
// and, under 容错, how the survivors broke conditions; columns are padded to
// the width a terminal shows (a Chinese character takes two places):
//   条件    设置      单独杀  顺序杀  独杀  参与容错
//   杀和值  杀 15          1       1     0  是
//   通杀码  杀 01        210     209   209  是
//   合计    共 462 注，剩 251 注  211  211  209
std::string reportText(const ConditionReport& report, const std::string& toleranceLine);

// Lines of cells as text, each column padded to its widest cell (to the right
// where `rightAligned` says so), two blanks between columns, no blank at a
// line's end.
std::string alignedText(const std::vector<std::vector<std::string>>& lines,
                        const std::vector<bool>& rightAligned);

// How many places a UTF-8 text takes on a terminal: two for a character of
// three or more bytes (Chinese and full-width forms), one for the others.
std::size_t displayWidth(const std::string& text);

}  // namespace engine
