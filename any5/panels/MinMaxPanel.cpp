#include "any5/panels/MinMaxPanel.h"

#include "any5/stages/BetShape.h"
#include "any5/stages/MinMaxStage.h"
#include "toolkit/Host.h"
#include "toolkit/ToggleRule.h"

namespace any5 {

MinMaxPanel::MinMaxPanel(toolkit::Host& host) : m_host(host) {
    C_min.setClickHandler([this](std::size_t i) { click(C_min, i); });
    C_max.setClickHandler([this](std::size_t i) { click(C_max, i); });
}

void MinMaxPanel::click(toolkit::ButtonArray& array, std::size_t index) {
    toolkit::toggle(array[index], toolkit::palette::kGreen);
    if (!isFeasible()) m_host.showMessage(kInfeasibleText, kInfeasibleTitle);
}

// The scratch table is filled without yielding: the check takes microseconds,
// and a yield here would let a second click rebuild the table under this one.
bool MinMaxPanel::isFeasible() {
    const auto selection = stages::MinMaxSelection::read(C_min, C_max);
    const auto& table = m_scratch.regenerate();
    if (selection.isEmpty()) return true;
    for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
        if (selection.allows(stages::betShape(table.mask(row)))) return true;
    }
    return false;
}

}  // namespace any5
