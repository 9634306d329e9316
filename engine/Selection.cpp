#include "engine/Selection.h"

namespace engine {

BetMask tokenMask(std::string_view text) {
    BetMask mask = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (const int n = numberAt(text[i], text[i + 1]))
            mask = static_cast<BetMask>(mask | bitOf(n));
    }
    return mask;
}

int captionValue(std::string_view caption) {
    if (caption.empty() || caption.size() > 2) return -1;
    int value = 0;
    for (char c : caption) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

BetMask selectedNumbers(const toolkit::ButtonArray& buttons, toolkit::Rgb selected) {
    BetMask mask = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].backColour() != selected) continue;
        const int n = captionValue(buttons[i].caption());
        if (n >= 1 && n <= 11) mask = static_cast<BetMask>(mask | bitOf(n));
    }
    return mask;
}

std::uint64_t selectedValues(const toolkit::ButtonArray& buttons, toolkit::Rgb selected) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].backColour() != selected) continue;
        const int value = captionValue(buttons[i].caption());
        if (value >= 0 && value < 64) bits |= std::uint64_t{1} << value;
    }
    return bits;
}

BetMask numbersInList(std::string_view list) {
    BetMask mask = 0;
    for (int n = 1; n <= 11; ++n) {
        const char token[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        if (list.find(std::string_view(token, 2)) != std::string_view::npos)
            mask = static_cast<BetMask>(mask | bitOf(n));
    }
    return mask;
}

}  // namespace engine
