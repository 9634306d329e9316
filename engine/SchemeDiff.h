#pragma once

#include <string>
#include <vector>

#include "engine/Verdicts.h"

namespace engine {

// Two sets of conditions of one edition side by side, condition by
// condition by their report names, and the bets their results share.

struct DiffRow {
    enum class State { Same, Different, OnlyFirst, OnlySecond };
    std::string name;
    std::string first;  // the setting's text, "" when not set
    std::string second;
    State state = State::Same;
};

// Every condition set in either, in run order (`names`, the edition's
// conditions), with "容错" last when either tolerance is not the plain run.
std::vector<DiffRow> diffRows(const std::vector<std::string>& names, const Verdicts& first,
                              const Tolerance& firstTolerance, const Verdicts& second,
                              const Tolerance& secondTolerance);

// The lines of two results: in both, only in the first, only in the second,
// each in the order the first (or second) lists them.
struct ResultDiff {
    std::vector<std::string> both;
    std::vector<std::string> onlyFirst;
    std::vector<std::string> onlySecond;
};
ResultDiff resultDiff(const std::vector<std::string>& first,
                      const std::vector<std::string>& second);

// The rows as aligned text under "条件 <first> <second> 比较", then
// "共同 N 注，只在<first> M 注，只在<second> K 注". States read "相同", "不同",
// "只在<label>".
std::string diffText(const std::vector<DiffRow>& rows, const ResultDiff& results,
                     const std::string& firstLabel, const std::string& secondLabel,
                     const std::string& unit);
std::string stateText(DiffRow::State state, const std::string& firstLabel,
                      const std::string& secondLabel);

}  // namespace engine
