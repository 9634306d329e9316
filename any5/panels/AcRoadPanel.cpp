#include "any5/panels/AcRoadPanel.h"

#include "toolkit/ToggleRule.h"

namespace any5 {

AcRoadPanel::AcRoadPanel() {
    for (auto* array : {&C_aczhi, &C_lu0, &C_lu1, &C_lu2}) {
        array->setClickHandler(
            [array](std::size_t i) { toolkit::toggle((*array)[i], toolkit::palette::kGreen); });
    }
}

}  // namespace any5
