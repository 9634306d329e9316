#include "any5/stages/BetShape.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

namespace any5::stages {
namespace {

constexpr engine::BetMask kOdd = 0b101'0101'0101;    // 01 03 05 07 09 11
constexpr engine::BetMask kPrime = 0b100'0101'0111;  // 01 02 03 05 07 11

// The run rules of the consecutive panel, exactly as the player is told them:
// 11 and 01 are neighbours, but a run through them counts for 四连 only as
// 09 10 11 01 or 11 01 02 03, and for 五连 only as 08..01 or 11..04.
std::uint8_t runsOf(const std::array<int, 5>& c) {
    int linearPairs = 0;
    for (int i = 0; i < 4; ++i) linearPairs += c[i + 1] - c[i] == 1 ? 1 : 0;
    const bool wrap = c[0] == 1 && c[4] == 11;
    const int pairs = linearPairs + (wrap ? 1 : 0);
    std::uint8_t runs = 0;
    if (pairs == 0) runs |= kNoRun;
    if (pairs >= 1) runs |= kTwoRun;
    if (pairs >= 2) runs |= kTwoTwoRuns;
    if (c[2] - c[0] == 2 || c[3] - c[1] == 2 || c[4] - c[2] == 2 ||
        (wrap && (c[1] - c[0] == 1 || c[4] - c[3] == 1)))
        runs |= kThreeRun;
    if (c[3] - c[0] == 3 || c[4] - c[1] == 3 || (wrap && (c[2] - c[0] == 2 || c[4] - c[2] == 2)))
        runs |= kFourRun;
    if (c[4] - c[0] == 4 || (wrap && (c[3] - c[0] == 3 || c[4] - c[1] == 3))) runs |= kFiveRun;
    return runs;
}

BetShape shapeOf(engine::BetMask mask) {
    const auto c = numbersOf(mask);
    BetShape shape;
    shape.sum = static_cast<std::uint8_t>(c[0] + c[1] + c[2] + c[3] + c[4]);
    shape.span = static_cast<std::uint8_t>(c[4] - c[0]);
    shape.smallest = static_cast<std::uint8_t>(c[0]);
    shape.largest = static_cast<std::uint8_t>(c[4]);
    for (int i = 0; i < 4; ++i) shape.gaps[i] = static_cast<std::uint8_t>(c[i + 1] - c[i]);
    shape.oddCount = static_cast<std::uint8_t>(engine::countNumbers(mask & kOdd));
    shape.primeCount = static_cast<std::uint8_t>(engine::countNumbers(mask & kPrime));
    shape.runs = runsOf(c);
    return shape;
}

std::vector<BetShape> buildShapes() {
    std::vector<BetShape> shapes(1u << 11);
    for (unsigned mask = 0; mask < shapes.size(); ++mask) {
        if (std::popcount(mask) == 5) shapes[mask] = shapeOf(static_cast<engine::BetMask>(mask));
    }
    return shapes;
}

}  // namespace

std::array<int, 5> numbersOf(engine::BetMask mask) {
    std::array<int, 5> numbers{};
    int k = 0;
    for (int n = 1; n <= 11 && k < 5; ++n) {
        if (mask & (1u << (n - 1))) numbers[k++] = n;
    }
    return numbers;
}

// As runsOf counts them: a run through 11 and 01 reaches one number past
// its longer side.
std::vector<std::vector<int>> longestRuns(engine::BetMask mask) {
    std::vector<std::vector<int>> runs;
    for (const int n : numbersOf(mask)) {
        if (!runs.empty() && runs.back().back() == n - 1) {
            runs.back().push_back(n);
        } else {
            runs.push_back({n});
        }
    }
    if (runs.size() > 1 && runs.front().front() == 1 && runs.back().back() == 11) {
        const std::vector<int> low = runs.front();
        std::vector<int> wrapped = runs.back();
        if (low.size() >= wrapped.size()) {
            wrapped = {11};
            wrapped.insert(wrapped.end(), low.begin(), low.end());
        } else {
            wrapped.push_back(1);
        }
        runs.erase(runs.begin());
        runs.back() = std::move(wrapped);
    }
    std::size_t longest = 2;
    for (const auto& run : runs) longest = std::max(longest, run.size());
    std::erase_if(runs, [longest](const std::vector<int>& run) { return run.size() != longest; });
    return runs;
}

// Built once, on first use, from the rules above; read-only afterwards.
const BetShape* betShapes() {
    static const std::vector<BetShape> shapes = buildShapes();
    return shapes.data();
}

}  // namespace any5::stages
