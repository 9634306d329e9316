#include "any5/panels/ParityPicker.h"

#include <algorithm>
#include <array>

#include "engine/Captions.h"

namespace any5 {

std::pair<std::size_t, std::size_t> ParityPicker::groupRange(std::size_t g) {
    static constexpr std::pair<std::size_t, std::size_t> kRanges[] = {{2, 5},   {6, 11},  {12, 15},
                                                                      {17, 20}, {21, 26}, {27, 30}};
    return kRanges[g];
}

ParityPicker::ParityPicker(std::string& parityPatternList, const toolkit::Window& mainWindow)
    : Window("杀奇偶排列"),
      C_jo_quan_cls("C_jo_quan_cls",
                    {"全", "清", "全", "清", "全", "清", "全", "清", "全", "清", "全", "清"},
                    toolkit::palette::kTabGrey),
      m_list(parityPatternList),
      m_main(mainWindow),
      m_docking(*this, mainWindow) {
    for (const std::string& caption : engine::parityCaptions()) {
        Ch_jo.emplace_back(caption);
        Ch_jo.back().setClickHandler([this] {
            if (!m_isBulkUpdate) cxjs();
        });
    }
    C_jo_quan_cls.setClickHandler([this](std::size_t i) {
        const auto [first, last] = groupRange(i / 2);
        setBoxes(first, last, i % 2 == 0);
    });
    C_benye_all.setClickHandler([this](std::size_t i) { setBoxes(0, kBoxes - 1, i == 0); });
    addTimer(Timer1);
    addTimer(Timer2);
    Timer1.setTickHandler([this] { restoreTicks(); });
    Timer2.setTickHandler([this] { dock(false); });
}

void ParityPicker::onLoad() {
    dock(true);
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
}

void ParityPicker::cxjs() {
    m_list.clear();
    for (const auto& box : Ch_jo) {
        if (box.isTicked()) m_list += box.caption() + "*";
    }
}

void ParityPicker::setBoxes(std::size_t first, std::size_t last, bool ticked) {
    m_isBulkUpdate = true;
    for (std::size_t i = first; i <= last; ++i) Ch_jo[i].setTicked(ticked);
    m_isBulkUpdate = false;
    cxjs();
}

// Runs once per load, and once per clear-all; the list is not rebuilt.
void ParityPicker::restoreTicks() {
    m_isBulkUpdate = true;
    for (auto& box : Ch_jo) box.setTicked(m_list.find(box.caption()) != std::string::npos);
    m_isBulkUpdate = false;
    Timer1.setEnabled(false);
}

void ParityPicker::resynchronise() {
    if (isLoaded()) {
        Timer1.setEnabled(true);
    } else {
        restoreTicks();  // closed: nothing is shown, so there is nothing to wait for
    }
}

// The view may lay the window out taller than asked, never narrower than kWidth;
// the place is chosen for the size it really takes.
void ParityPicker::dock(bool withHeight) {
    const int wanted = withHeight ? m_main.height() : height();
    m_docking.place({kWidth, wanted});
}

}  // namespace any5
