#pragma once

#include "toolkit/Button.h"
#include "toolkit/Rgb.h"

namespace toolkit {

// The click rule of most condition buttons: selected goes back to cream,
// anything else becomes the array's selected colour.
inline void toggle(toolkit::Button& button, toolkit::Rgb selected) {
    button.setBackColour(button.backColour() == selected ? toolkit::palette::kCream : selected);
}

inline bool isSelected(const toolkit::Button& button, toolkit::Rgb selected) {
    return button.backColour() == selected;
}

}  // namespace toolkit
