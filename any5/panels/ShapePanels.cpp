#include "any5/panels/ShapePanels.h"

#include "toolkit/Host.h"
#include "toolkit/ToggleRule.h"

namespace any5 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kYellow;

// A yellow toggle array with its "清" button.
void wireKillArray(toolkit::ButtonArray& array, toolkit::Button& clear) {
    array.setClickHandler([&array](std::size_t i) { toolkit::toggle(array[i], kYellow); });
    clear.setClickHandler([&array] { array.setAllBackColours(kCream); });
}

}  // namespace

ShapePanels::ShapePanels(toolkit::Host& host) : m_host(host) {
    wireKillArray(C_tsm_sha, C_bdw_chu_cls);
    wireKillArray(C_zuobian_sha_heiwei, C_zuobian_sha_heiwei_cls);
    wireKillArray(C_sha_hezhi, C_zuobian_sha_zhidinghezhi_cls);
    C_zuobian_sha_zhidinghezhi_all.setClickHandler(
        [this] { C_sha_hezhi.setAllBackColours(kYellow); });
    wireKillArray(C_kuadu_sha, C_kuadu_sha_cls);
    C_jiange.setClickHandler([this](std::size_t i) { clickSpacing(i); });
    C_jianju_cls.setClickHandler([this] { C_jiange.setAllBackColours(kCream); });
    C_sha_xingtai_01.setClickHandler(
        [this](std::size_t i) { toolkit::toggle(C_sha_xingtai_01[i], kYellow); });
}

void ShapePanels::clickSpacing(std::size_t index) {
    auto& button = C_jiange[index];
    if (toolkit::isSelected(button, kYellow)) {
        button.setBackColour(kCream);
        return;
    }
    if (C_jiange.countWithColour(kYellow) >= kSpacingLimit) {
        m_host.showMessage(kSpacingLimitText, kSpacingLimitTitle);
        return;
    }
    button.setBackColour(kYellow);
}

}  // namespace any5
