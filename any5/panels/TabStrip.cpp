#include "any5/panels/TabStrip.h"

namespace any5 {

TabStrip::TabStrip()
    : C_sst_0("C_sst_0",
              {"杀垃圾复式/组选", "杀2码组合", "必出2码组合", "杀3码组合", "必出3码组合",
               "杀4码组合", "定位杀号"},
              toolkit::palette::kTabGrey),
      Frame_ding{toolkit::Frame("杀直选复式/组选"), toolkit::Frame("杀2码组合"),
                 toolkit::Frame("必出2码组合"),     toolkit::Frame("杀3码组合"),
                 toolkit::Frame("必出3码组合"),     toolkit::Frame("杀4码组合"),
                 toolkit::Frame("定位杀号")} {
    C_sst_0.setClickHandler([this](std::size_t i) { show(i); });
}

void TabStrip::initialise() {
    for (auto& page : Frame_ding) {
        page.setVisible(false);
        page.move(kPageLeft, kPageTop);
    }
    Frame_ding[0].setVisible(true);
    C_sst_0[0].setBackColour(toolkit::palette::kChosenTab);
}

void TabStrip::show(std::size_t page) {
    for (auto& frame : Frame_ding) frame.setVisible(false);
    Frame_ding[page].setVisible(true);
    C_sst_0.setAllBackColours(toolkit::palette::kTabGrey);
    C_sst_0[page].setBackColour(toolkit::palette::kChosenTab);
}

std::size_t TabStrip::shownPage() const {
    for (std::size_t i = 0; i < kPages; ++i) {
        if (Frame_ding[i].isVisible()) return i;
    }
    return kPages;
}

}  // namespace any5
