#include "any5/panels/CountPanel.h"

#include "toolkit/ToggleRule.h"

namespace any5 {

CountPanel::CountPanel() {
    for (auto* array : {&C_dahao_geshu, &C_jishu_geshu, &C_zhihe_geshu}) {
        array->setClickHandler(
            [array](std::size_t i) { toolkit::toggle((*array)[i], toolkit::palette::kGreen); });
    }
    Op_dahao_fanwei.setClickHandler(
        [this](std::size_t i) { BigNumberList = engine::bigNumberList(i); });
}

}  // namespace any5
