#pragma once

#include <array>
#include <cstdio>
#include <functional>
#include <string>

namespace testsupport {

using Bet = std::array<int, 5>;

// Every any-5 bet, ascending, by five plain loops: the reference the fast
// stages are checked against.
inline void forEachBet(const std::function<void(const Bet&)>& visit) {
    for (int a = 1; a <= 11; ++a)
        for (int b = a + 1; b <= 11; ++b)
            for (int c = b + 1; c <= 11; ++c)
                for (int d = c + 1; d <= 11; ++d)
                    for (int e = d + 1; e <= 11; ++e) visit({a, b, c, d, e});
}

inline int countBets(const std::function<bool(const Bet&)>& keep) {
    int count = 0;
    forEachBet([&](const Bet& bet) { count += keep(bet) ? 1 : 0; });
    return count;
}

inline std::string betText(const Bet& bet) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d %02d %02d %02d", bet[0], bet[1], bet[2], bet[3],
                  bet[4]);
    return text;
}

inline bool holds(const Bet& bet, int number) {
    for (int n : bet) {
        if (n == number) return true;
    }
    return false;
}

}  // namespace testsupport
