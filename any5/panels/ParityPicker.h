#pragma once

#include <deque>
#include <string>

#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Docking.h"
#include "toolkit/Timer.h"
#include "toolkit/Window.h"

namespace any5 {

// Fjo, the odd/even arrangement picker: 32 boxes, one per arrangement. The
// ticked ones are kept in the program-wide ParityPatternList, which the
// picker rebuilds on every click and which outlives the window; on load the
// boxes are ticked again from the list. The window docks against the main
// window's right edge where the screen has room for it.
class ParityPicker final : public toolkit::Window {
public:
    static constexpr std::size_t kBoxes = 32;
    static constexpr int kWidth = 520;

    ParityPicker(std::string& parityPatternList, const toolkit::Window& mainWindow);

    std::deque<toolkit::CheckBox> Ch_jo;
    toolkit::ButtonArray C_jo_quan_cls;  // "全"/"清" of six groups
    toolkit::ButtonArray C_benye_all{
        "C_benye_all", {"本页全选", "本页全清"}, toolkit::palette::kTabGrey};
    toolkit::Timer Timer1{100};  // restores the ticks from the list, once
    toolkit::Timer Timer2{100};  // keeps the window docked

    // Rebuilds the list from the boxes.
    void cxjs();
    // Clear-all: tick the boxes again from the (now empty) list.
    void resynchronise();
    // Ticks exactly the boxes of the arrangements in the list, at once.
    void restoreTicks();
    // The first and last box index of group `g` of the "全"/"清" pairs (0..5).
    static std::pair<std::size_t, std::size_t> groupRange(std::size_t g);

private:
    void onLoad() override;
    void dock(bool withHeight);
    void setBoxes(std::size_t first, std::size_t last, bool ticked);

    std::string& m_list;
    const toolkit::Window& m_main;
    toolkit::Docking m_docking;
    bool m_isBulkUpdate = false;
};

}  // namespace any5
