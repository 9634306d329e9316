#include "reducer/LowerBounds.h"

#include <algorithm>
#include <bitset>
#include <cmath>

namespace reducer {

int countingBound(const CoverModel& model) {
    double sum = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        std::size_t most = 0;
        for (int column : model.columnsOf(row)) most = std::max(most, model.rowsOf(column).size());
        sum += 1.0 / static_cast<double>(most);
    }
    // The sum of at most 990 fractions carries rounding error far below this.
    return static_cast<int>(std::ceil(sum - 1e-9));
}

int schonheimBound(int v, int k, int t) {
    if (t == 0) return 1;
    const long long inner = schonheimBound(v - 1, k - 1, t - 1);
    return static_cast<int>((v * inner + k - 1) / k);
}

namespace {

// What is known of these designs beyond Schönheim's bound, which is weak for
// them (70 for 任选四, where no 83 tickets exist).
int knownLeast(Play play, int drawn) {
    if (drawn == 3) {
        // C(11, 9, 8): pairs meeting every 3 numbers are a graph whose
        // complement has no triangle; by Turán's theorem it is at best two
        // cliques of 5 and 6 numbers, 10 + 15 = 25 pairs. Exact.
        return play == Play::Any2 ? 25 : 0;
    }
    switch (play) {
        case Play::Any2:
            // C(11, 9, 6): pairs meeting every 5 numbers; by Turán's theorem
            // at best cliques of 3, 3, 3 and 2 numbers, 3 + 3 + 3 + 1 = 10. Exact.
            return 10;
        case Play::Any3:
            // C(11, 8, 6), the Turán number T(11, 5, 3): triples such that
            // every 5 numbers hold one. The triples of a cover that miss a
            // number x cover the other 10, so |F| - deg(x) >= T(10, 5, 3) = 20
            // (the value of the published Turán tables players quote) for each
            // of the 11 numbers; summed, with every triple counted in three
            // degrees, 8 |F| >= 11 * 20, so |F| >= ceil(27.5) = 28.
            return 28;
        case Play::Any4:
            // C(11, 7, 6) = 84 (La Jolla Covering Repository; the Turán
            // number T(11, 5, 4)). Exact.
            return 84;
        case Play::Any6:
            // C(11, 6, 5) >= 96, the best lower bound known; the best cover
            // known has 100.
            return 96;
        case Play::Any7:
            // C(11, 7, 5) >= 30, as Schönheim gives.
            return 30;
        case Play::Any8:
            // C(11, 8, 5) = 16 (La Jolla Covering Repository), the Turán
            // number T(11, 6, 3) of the triples left out. Exact.
            return 16;
        default:
            return 0;
    }
}

}  // namespace

int fullSetBound(const Survivors& survivors, Play play) {
    const bool isFront3Set = play == Play::Any2 || play == Play::Front3Group;
    if (survivors.kind != SurvivorKind::Any5 && !isFront3Set) return 0;
    const int drawn = survivors.kind == SurvivorKind::Any5 ? 5 : 3;
    const int whole = drawn == 5 ? 462 : 165;
    std::bitset<2048> seen;
    for (std::size_t i = 0; i < survivors.size(); ++i) seen.set(survivors.numbersOf(i));
    if (static_cast<int>(seen.count()) < whole) return 0;
    // A ticket of k numbers inside a drawn set of d means the 11 - d numbers
    // left out lie among the 11 - k the ticket leaves out: a covering design
    // C(11, 11 - k, 11 - d). A ticket holding the drawn set is C(11, k, d).
    const int k = playInfo(play).ticketSize;
    const int schonheim =
        k <= drawn ? schonheimBound(11, 11 - k, 11 - drawn) : schonheimBound(11, k, drawn);
    return std::max(schonheim, knownLeast(play, drawn));
}

}  // namespace reducer
