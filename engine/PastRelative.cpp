#include "engine/PastRelative.h"

#include <array>

#include "engine/PastCount.h"

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

namespace {

int acValueOf(BetMask bet) {
    unsigned differences = 0;
    for (int a = 1; a <= 11; ++a) {
        if ((bet & bitOf(a)) == 0) continue;
        for (int b = a + 1; b <= 11; ++b) {
            if ((bet & bitOf(b)) != 0) differences |= 1u << (b - a);
        }
    }
    return countNumbers(static_cast<BetMask>(differences >> 1)) - (countNumbers(bet) - 1);
}

}  // namespace

// Looked up: a run reads it for every bet.
int acValue(BetMask bet) {
    static const auto kValues = [] {
        std::array<signed char, 0x800> values{};
        for (unsigned mask = 1; mask < values.size(); ++mask)
            values[mask] = static_cast<signed char>(acValueOf(static_cast<BetMask>(mask)));
        return values;
    }();
    return kValues[bet & 0x7FFu];
}

namespace {

double choose(int n, int k) {
    if (k < 0 || k > n) return 0.0;
    double result = 1.0;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

}  // namespace

// Of the bets of betSize numbers out of 11, those with j numbers in a mask of
// maskSize: C(maskSize, j) C(11 - maskSize, betSize - j); a front-3 bet's
// orderings do not change the share.
double PastCount::shareBroken(int maskSize) const {
    double broken = 0.0;
    for (int j = 0; j <= betSize; ++j) {
        if (((allowed >> j) & 1u) == 0)
            broken += choose(maskSize, j) * choose(11 - maskSize, betSize - j);
    }
    return broken / choose(11, betSize);
}

}  // namespace engine
