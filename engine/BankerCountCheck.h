#pragma once

#include <cstddef>

namespace toolkit {
class ButtonArray;
class Host;
}  // namespace toolkit

namespace engine {

inline constexpr const char* kTooManyCountsText = "出胆个数不能大于选胆个数";
inline constexpr const char* kTooManyCountsTitle = "错误提示";

// A click on count button `index` of a banker group: a green count goes back
// to cream; otherwise the count (its index, which is its caption) may not
// exceed the group's green numbers now, or the player is told and the button
// stays cream. Counts already chosen are not checked again later.
void clickBankerCount(toolkit::ButtonArray& counts, std::size_t index,
                      const toolkit::ButtonArray& numbers, toolkit::Host& host);

}  // namespace engine
