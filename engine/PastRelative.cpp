#include "engine/PastRelative.h"

namespace engine {

std::optional<HeatClasses> heatClasses(std::span<const BetMask> newestFirst, const HeatRule& rule) {
    if (static_cast<int>(newestFirst.size()) < rule.draws) return std::nullopt;
    HeatClasses classes;
    for (int number = 1; number <= 11; ++number) {
        int hits = 0;
        for (int d = 0; d < rule.draws; ++d)
            hits += (newestFirst[static_cast<std::size_t>(d)] & bitOf(number)) != 0 ? 1 : 0;
        BetMask& into = hits >= rule.hot    ? classes.hot
                        : hits <= rule.cold ? classes.cold
                                            : classes.warm;
        into = static_cast<BetMask>(into | bitOf(number));
    }
    return classes;
}

int acValue(BetMask bet) {
    unsigned differences = 0;
    for (int a = 1; a <= 11; ++a) {
        if ((bet & bitOf(a)) == 0) continue;
        for (int b = a + 1; b <= 11; ++b) {
            if ((bet & bitOf(b)) != 0) differences |= 1u << (b - a);
        }
    }
    return countNumbers(static_cast<BetMask>(differences >> 1)) - (countNumbers(bet) - 1);
}

}  // namespace engine
