#include "engine/Verdicts.h"

namespace engine {

Survivors survivorsOf(const Verdicts& verdicts, const Tolerance& tolerance) {
    Survivors survivors;
    survivors.breakCounts.assign(static_cast<std::size_t>(verdicts.rowCount) + 1, 0);
    RowBits struckHard;
    for (const auto& condition : verdicts.conditions) {
        if (tolerance.hard.count(condition.name) != 0) {
            struckHard |= condition.breaks;
            continue;
        }
        for (auto row = condition.breaks._Find_first(); row < condition.breaks.size();
             row = condition.breaks._Find_next(row))
            ++survivors.breakCounts[row];
    }
    for (int row = 1; row <= verdicts.rowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const int count = survivors.breakCounts[r];
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
