#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/BetMask.h"

namespace engine {

// Calls `visit(numbers)` for every place in `text` where `Count` two-digit
// numbers "01".."11" joined by `separator` are written, such as "01 02 05" for
// three numbers and a blank. One pass over the text answers, for every bet at
// once, whether its text occurs anywhere in it, as a search per bet would.
template <std::size_t Count, class Visit>
void forEachSpelledBet(std::string_view text, char separator, Visit visit) {
    constexpr std::size_t kLength = Count * 3 - 1;
    std::array<int, Count> numbers{};
    for (std::size_t i = 0; i + kLength <= text.size(); ++i) {
        bool spelled = true;
        for (std::size_t k = 0; k < Count && spelled; ++k) {
            const std::size_t at = i + 3 * k;
            if (k > 0 && text[at - 1] != separator) spelled = false;
            numbers[k] = numberAt(text[at], text[at + 1]);
            if (numbers[k] == 0) spelled = false;
        }
        if (spelled) visit(numbers);
    }
}

}  // namespace engine
