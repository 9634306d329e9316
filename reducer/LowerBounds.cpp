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
    return k <= drawn ? schonheimBound(11, 11 - k, 11 - drawn) : schonheimBound(11, k, drawn);
}

}  // namespace reducer
