#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BetMask.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Rgb.h"
#include "toolkit/TextBox.h"

namespace engine {

// Short texts of a condition's setting for the condition report.

// `verb` and the captions of the buttons showing `colour`, pair captions
// written "01-02"; empty when none shows it:
//   sums 15, 16, 17 yellow, "杀" => "杀 15 16 17"
std::string selectedText(const toolkit::ButtonArray& buttons, toolkit::Rgb colour,
                         std::string_view verb);

// A banker group: "胆 03 07 出 2"; either part alone when the other is unset.
std::string bankerText(const toolkit::ButtonArray& numbers, const toolkit::ButtonArray& counts);

// `verb` and the captions of the ticked boxes: "杀 大大大 小小小"; empty when none.
std::string tickedText(const std::deque<toolkit::CheckBox>& boxes, std::string_view verb);

// "3 行": the non-blank lines of a condition box; empty while the box is
// blank or still shows its format hint (a full-width colon or "提示").
std::string linesText(const toolkit::TextBox& box);

// Why a bet breaks a condition, in the bet's own terms.

// "01 02 03": the numbers of a mask, ascending, as bets are written.
std::string numbersText(BetMask mask);

// "01 02、10 11": the pairs among the buttons showing `colour` that the bet
// holds, each written as its button shows it.
std::string pairsHeld(const toolkit::ButtonArray& buttons, toolkit::Rgb colour, BetMask bet);

// Why a bet breaks a keep page of pairs.
inline constexpr const char* kNoPairKept = "不含任何一组必出的 2 码";

// How many of a banker group's green numbers a bet holds, and which:
// "含胆码 0 个", "含胆码 2 个（03 07）".
std::string bankersHeld(const toolkit::ButtonArray& numbers, BetMask bet);

// ("大号", 4) => "大号 4 个".
std::string countText(std::string_view kind, int count);

// A bet's longest runs of neighbouring numbers, each in run order: none =>
// "不连"; {{1, 2, 3}} => "01 02 03 三连"; {{11, 1}} => "11 01 二连";
// two pairs {{1, 2}, {5, 6}} => "01 02、05 06 两个二连".
std::string runsText(const std::vector<std::vector<int>>& runs);

// An array without buttons: a condition that reads one of several arrays of
// a stage gives it in place of the others.
const toolkit::ButtonArray& noButtons();

}  // namespace engine
