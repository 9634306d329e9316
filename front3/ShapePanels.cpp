#include "front3/ShapePanels.h"

#include <memory>

#include "front3/Front3Slot.h"
#include "front3/NumberStages.h"
#include "front3/ShapeStages.h"
#include "toolkit/ToggleRule.h"

namespace front3 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

// The eight patterns of a family in box order.
void fillPatterns(std::deque<toolkit::CheckBox>& boxes, const std::string& yes,
                  const std::string& no) {
    for (const auto& caption : engine::patternCaptions(yes, no)) boxes.emplace_back(caption);
}

void wireAllClear(std::deque<toolkit::CheckBox>& boxes, toolkit::Button& all,
                  toolkit::Button& clear) {
    all.setClickHandler([&boxes] {
        for (auto& box : boxes) box.setTicked(true);
    });
    clear.setClickHandler([&boxes] {
        for (auto& box : boxes) box.setTicked(false);
    });
}

}  // namespace

ShapePanels::ShapePanels() {
    for (auto* array : {&C_hezhi, &C_sha_xingtai_01}) {
        array->setClickHandler([array](std::size_t i) { toolkit::toggle((*array)[i], kYellow); });
    }
    for (auto* array : {&C_jishu_geshu, &C_dahao_geshu}) {
        array->setClickHandler([array](std::size_t i) { toolkit::toggle((*array)[i], kGreen); });
    }
    Command10.setClickHandler([this] { C_hezhi.setAllBackColours(kYellow); });
    Command5.setClickHandler([this] { C_hezhi.setAllBackColours(kCream); });
    Op_dahao_fanwei.setClickHandler(
        [this](std::size_t i) { BigNumberList = engine::bigNumberList(i); });
    fillPatterns(Check_sha_daxiao, "大", "小");
    fillPatterns(Check_sha_jiou, "奇", "偶");
    fillPatterns(Check_sha_zhihe, "质", "合");
    wireAllClear(Check_sha_daxiao, Command6, Command7);
    wireAllClear(Check_sha_jiou, Command8, Command9);
    wireAllClear(Check_sha_zhihe, Command12, Command11);
}

}  // namespace front3
