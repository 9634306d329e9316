#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "scheme/Scheme.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/TextBox.h"

namespace scheme {

// Reading a scheme off the condition controls and setting them from one,
// directly: no click rule runs and no message is shown.

// The values of the selected buttons' captions among items first..last:
// "05" => 5, "45" => 45. Setting selects exactly the buttons whose value is
// listed; every other button of the range goes back to cream.
Values valuesOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected, std::size_t first = 0,
                std::size_t last = SIZE_MAX);
void setValuesOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Values& values,
                 std::size_t first = 0, std::size_t last = SIZE_MAX);

// The same by caption ("两连").
Captions captionsOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected);
void setCaptionsOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Captions& captions);

// Pair buttons captioned "01\r\n02".
Pairs pairsOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected);
void setPairsOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Pairs& pairs);

// The captions of the ticked boxes; ticking exactly the listed ones.
Captions tickedCaptions(const std::deque<toolkit::CheckBox>& boxes);
void setTicked(std::deque<toolkit::CheckBox>& boxes, const Captions& captions);

// A box's text, or none while it shows its start-up text (or `sameHint`, a
// second wording of the hint that clear-all puts back); setting none puts
// the start-up text back.
std::optional<std::string> changedText(const toolkit::TextBox& box, std::string_view startUp,
                                       std::string_view sameHint = {});
void setText(toolkit::TextBox& box, const std::optional<std::string>& text,
             std::string_view startUp);

}  // namespace scheme
