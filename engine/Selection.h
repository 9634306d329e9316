#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/CandidateTable.h"
#include "toolkit/ButtonArray.h"

namespace engine {

// What a panel's selected buttons stand for, read from their captions (never
// their indexes) at the moment a run asks.

// Bits of the numbers "01".."11" on selected buttons: "01" => bit 0.
BetMask selectedNumbers(const toolkit::ButtonArray& buttons, toolkit::Rgb selected);

// Bits of plain values "0".."63" on selected buttons: "15" => bit 15.
std::uint64_t selectedValues(const toolkit::ButtonArray& buttons, toolkit::Rgb selected);

// Bits of numbers written as two-digit tokens anywhere in a list text:
// "07.08.09.10.11" => bits 6..10; "1.2" and "12" add nothing.
BetMask numbersInList(std::string_view list);

// Numbers whose two-digit token occurs anywhere in the text:
//   "01 02 03" => 01 02 03      "0102" => 01 02 10      "1 2 3" => nothing
//   "11:05"    => 11 05         "110"  => 11 10
BetMask tokenMask(std::string_view text);

// The big-number range option Op_dahao_fanwei of both editions: option 0
// "大7~11" and option 1 "大6~11" give these lists of big numbers.
inline constexpr const char* kBigFrom7 = "07.08.09.10.11";
inline constexpr const char* kBigFrom6 = "06.07.08.09.10.11";
inline const char* bigNumberList(std::size_t option) {
    return option == 0 ? kBigFrom7 : kBigFrom6;
}

// A caption's value: "05" => 5, "45" => 45, "两连" => -1.
int captionValue(std::string_view caption);

}  // namespace engine
