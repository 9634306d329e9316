#pragma once

#include <cstdint>

namespace toolkit {

// A 24-bit colour 0xRRGGBB. Button states are colours, compared for equality,
// so a colour set on a control must read back exactly.
using Rgb = std::uint32_t;

// The colours with a meaning on the condition panels and the result column.
namespace palette {
inline constexpr Rgb kCream = 0xF5F4DE;      // not selected
inline constexpr Rgb kGreen = 0x00FF00;      // selected, keep-type condition
inline constexpr Rgb kYellow = 0xFFFF00;     // selected, kill-type condition
inline constexpr Rgb kChosenTab = 0x80FF80;  // light green
inline constexpr Rgb kTabGrey = 0xE0E0E0;    // other tabs; also plain buttons
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kHintGrey = 0x808080;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kWhite = 0xFFFFFF;
}  // namespace palette

}  // namespace toolkit
