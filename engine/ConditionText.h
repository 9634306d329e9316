#pragma once

#include <deque>
#include <string>
#include <string_view>

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

// An array without buttons: a condition that reads one of several arrays of
// a stage gives it in place of the others.
const toolkit::ButtonArray& noButtons();

}  // namespace engine
