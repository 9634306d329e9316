#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One bet as a player types or pastes it: `count` different numbers 1..11,
// written with one or two digits and separated by anything but digits, or
// run together two digits each. Either the numbers in the order written, or
// a one-line message.
//   ("03 07 01 11 05", 5) => 3 7 1 11 5        ("3,7,1,11,5", 5) => 3 7 1 11 5
//   ("0307011105", 5)     => 3 7 1 11 5        ("01 02 03", 3)   => 1 2 3
//   ("01 02 03 04", 5)    => "应为 5 个号码，这里有 4 个"
//   ("01 01 02 03 04", 5) => "号码 01 重复了"    ("01 02 12", 3)   => "12 不是 01..11 的号码"
struct TypedBet {
    std::vector<int> numbers;
    std::string error;
    bool ok() const { return error.empty(); }
};

TypedBet readTypedBet(std::string_view text, int count);

// "03" for 3: a number as bets are written.
std::string twoDigits(int n);

}  // namespace engine
