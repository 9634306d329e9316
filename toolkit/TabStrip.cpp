#include "toolkit/TabStrip.h"

namespace toolkit {

TabStrip::TabStrip(const std::vector<std::string>& tabCaptions,
                   const std::vector<std::string>& pageCaptions)
    : C_sst_0("C_sst_0", tabCaptions, palette::kTabGrey) {
    for (const auto& caption : pageCaptions) Frame_ding.emplace_back(caption);
    C_sst_0.setClickHandler([this](std::size_t i) { show(i); });
}

void TabStrip::initialise() {
    for (auto& page : Frame_ding) {
        page.setVisible(false);
        page.move(kPageLeft, kPageTop);
    }
    Frame_ding.front().setVisible(true);
    C_sst_0[0].setBackColour(palette::kChosenTab);
}

void TabStrip::show(std::size_t page) {
    for (auto& frame : Frame_ding) frame.setVisible(false);
    Frame_ding.at(page).setVisible(true);
    C_sst_0.setAllBackColours(palette::kTabGrey);
    C_sst_0[page].setBackColour(palette::kChosenTab);
}

std::size_t TabStrip::shownPage() const {
    for (std::size_t i = 0; i < Frame_ding.size(); ++i) {
        if (Frame_ding[i].isVisible()) return i;
    }
    return Frame_ding.size();
}

}  // namespace toolkit
