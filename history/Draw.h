#pragma once

#include <array>
#include <string>

namespace history {

inline constexpr int kBallCount = 5;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 11;

// One draw of a lottery: its issue number (期号) as written, and the five
// numbers in drawing order (front-3 reads the first three).
struct Draw {
    std::string issue;
    std::array<int, kBallCount> numbers{};

    friend bool operator==(const Draw&, const Draw&) = default;
};

// The numbers as the program writes a draw everywhere: two digits each, in
// drawing order, a blank between them: "03 07 01 11 05".
inline std::string drawText(const std::array<int, kBallCount>& numbers) {
    std::string text;
    for (const int number : numbers) {
        if (!text.empty()) text += ' ';
        text += static_cast<char>('0' + number / 10);
        text += static_cast<char>('0' + number % 10);
    }
    return text;
}

// Five different numbers, each 1..11.
inline bool hasValidNumbers(const Draw& draw) {
    unsigned seen = 0;
    for (const int number : draw.numbers) {
        if (number < kLowestNumber || number > kHighestNumber) return false;
        if (seen & (1u << number)) return false;
        seen |= 1u << number;
    }
    return true;
}

}  // namespace history
