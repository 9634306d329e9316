#pragma once

#include <string_view>
#include <vector>

#include "history/Draw.h"

namespace history {

// Why a line of draws is refused.
enum class LineFault { NotFiveNumbers, NumberOutOfRange, RepeatedNumber };

// "不是 5 个号码", "号码超出 1..11", "号码重复".
const char* faultText(LineFault fault);

struct LineError {
    int line = 0;  // 1 for the first line of the text
    LineFault fault{};

    friend bool operator==(const LineError&, const LineError&) = default;
};

// One line: blank, a draw, or refused.
struct DrawLine {
    enum class Kind { Blank, Draw, Refused };
    Kind kind = Kind::Blank;
    Draw draw;          // when a draw; its issue is empty when the line has none
    LineFault fault{};  // when refused
};

// A line is cut into fields at blanks, tabs, ",", "|", "-" and "+". The last
// five fields are the numbers, each written with one or two digits; what
// stands before them is the issue, as written, less the separators at its two
// ends. A line of separators only is blank. Examples:
//   "2026120801 03 07 01 11 05"  => issue "2026120801", 03 07 01 11 05
//   "20261208-01,3,7,1,11,5"     => issue "20261208-01", 03 07 01 11 05
//   "03 07 01 11 05"             => no issue, 03 07 01 11 05
//   "第1期|03+07+01+11+05"       => issue "第1期", 03 07 01 11 05
//   "1 2 3 4 5 6 7"              => issue "1 2", 03 04 05 06 07
//   " , \t "                     => blank
//   "2026120801 03 07 01 11"     => refused: 不是 5 个号码
//   "03 07 01 11 05 x"           => refused: 不是 5 个号码
//   "03 07 01 011 05"            => refused: 不是 5 个号码
//   "03 07 01 12 05"             => refused: 号码超出 1..11
//   "03 07 00 11 05"             => refused: 号码超出 1..11
//   "03 07 03 11 05"             => refused: 号码重复
DrawLine parseDrawLine(std::string_view line);

struct ParsedDraws {
    std::vector<Draw> draws;        // in the order of the lines; none when a line is refused
    std::vector<int> lines;         // the line each draw was read from, 1 for the first
    std::vector<LineError> errors;  // every refused line, in order
    bool ok() const { return errors.empty(); }
};

// Text pasted or read from a text or CSV file, one draw a line (CR LF, LF or
// CR). A UTF-8 BOM and blank lines are skipped, and so is a header: the first
// line that is not blank, when it has no digit, or is no draw and has a letter
// or a CJK character, or reads as a draw whose issue has no digit. Any refused line refuses the
// whole text. Examples:
//   "期号,号码1,号码2,号码3,号码4,号码5\n2026120801,03,07,01,11,05\n"
//       => one draw, issue "2026120801"
//   "\xEF\xBB\xBF\r\n03 07 01 11 05\r\n\r\n04 05 06 07 08\r"
//       => two draws without issue
//   "issue\n03 07 01 11 05" => one draw (the header skipped)
//   "期号,1,2,3,4,5\n03 07 01 11 05" => one draw (the header skipped)
//   "03 07 01 11 05\n03 07 01 11\n1 1 2 3 4" => refused lines 2 and 3, no draw
//   "1 2 3\n03 07 01 11 05" => refused line 1 (no letter: not a header)
ParsedDraws parseDrawLines(std::string_view text);

}  // namespace history
