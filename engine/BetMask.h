#pragma once

#include <array>
#include <cstdint>

namespace engine {

// Eleven bits, bit n-1 set when number n (1..11) is in the bet.
using BetMask = std::uint16_t;

namespace detail {
constexpr std::array<std::uint8_t, 2048> makeNumberCounts() {
    std::array<std::uint8_t, 2048> counts{};
    for (unsigned mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1u));
    return counts;
}
inline constexpr auto kNumberCounts = makeNumberCounts();
}  // namespace detail

// The number 1..11 that two characters spell as a two-digit token ("01".."11"),
// or 0: ('0','5') => 5, ('1','1') => 11, ('1','2') => 0, (' ','5') => 0.
constexpr int numberAt(char first, char second) {
    if (first == '0' && second >= '1' && second <= '9') return second - '0';
    if (first == '1' && (second == '0' || second == '1')) return 10 + (second - '0');
    return 0;
}

// The bit of number n (1..11): bit n-1.
constexpr BetMask bitOf(int number) {
    return static_cast<BetMask>(1u << (number - 1));
}

// The mask of the numbers listed (each 1..11): {3, 7, 1} => 0b1000101.
template <class Numbers>
constexpr BetMask maskOf(const Numbers& numbers) {
    BetMask mask = 0;
    for (const int n : numbers) mask = static_cast<BetMask>(mask | bitOf(n));
    return mask;
}

// How many numbers a mask holds. A table rather than std::popcount, which
// without a CPU-specific build becomes a library call in the stages' loops.
constexpr int countNumbers(BetMask mask) {
    return detail::kNumberCounts[mask & 0x7FF];
}

}  // namespace engine
