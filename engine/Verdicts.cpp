#include "engine/Verdicts.h"

#include <algorithm>
#include <array>

namespace engine {

Survivors survivorsOf(const Verdicts& verdicts, const Tolerance& tolerance) {
    // Every row's count of broken conditions, kept as binary digits across
    // bit sets and added to a whole condition at a time.
    std::array<RowBits, 8> digits;
    std::size_t used = 0;  // digits that hold a one somewhere
    RowBits struckHard;
    for (const auto& condition : verdicts.conditions) {
        if (tolerance.hard.count(condition.name) != 0) {
            struckHard |= condition.breaks;
            continue;
        }
        RowBits carry = condition.breaks;
        for (std::size_t d = 0; d < digits.size() && carry.any(); ++d) {
            const RowBits sum = digits[d] ^ carry;
            carry &= digits[d];
            digits[d] = sum;
            used = std::max(used, d + 1);
        }
    }
    Survivors survivors;
    survivors.breakCounts.assign(static_cast<std::size_t>(verdicts.rowCount) + 1, 0);
    for (int row = 1; row <= verdicts.rowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        int count = 0;
        for (std::size_t d = 0; d < used; ++d) count |= digits[d][r] ? 1 << d : 0;
        survivors.breakCounts[r] = static_cast<std::uint8_t>(count);
        if (!struckHard[r] && count >= tolerance.min && count <= tolerance.max)
            survivors.rows.set(r);
    }
    return survivors;
}

std::vector<std::string> conditionsBrokenBy(const Verdicts& verdicts, int row) {
    std::vector<std::string> names;
    for (const auto& condition : verdicts.conditions) {
        if (condition.breaks[static_cast<std::size_t>(row)]) names.push_back(condition.name);
    }
    return names;
}

}  // namespace engine
