#include "front3/EntryPages.h"

#include <memory>

#include "engine/Captions.h"
#include "front3/Front3Slot.h"
#include "front3/PairStages.h"
#include "front3/ShapeStages.h"
#include "toolkit/LineBreaks.h"
#include "toolkit/ToggleRule.h"

namespace front3 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

std::vector<std::string> compoundCaptions() {
    std::vector<std::string> captions;
    for (int row = 0; row < 3; ++row) {
        for (const auto& caption : toolkit::twoDigitCaptions(1, 11)) captions.push_back(caption);
    }
    return captions;
}

void setRow(toolkit::ButtonArray& array, std::size_t row, toolkit::Rgb colour) {
    for (std::size_t i = 11 * row; i < 11 * row + 11; ++i) array[i].setBackColour(colour);
}

void wirePairs(toolkit::ButtonArray& pairs, toolkit::Button& all, toolkit::Button& clear,
               toolkit::Rgb selected) {
    pairs.setClickHandler(
        [&pairs, selected](std::size_t i) { toolkit::toggle(pairs[i], selected); });
    all.setClickHandler([&pairs, selected] { pairs.setAllBackColours(selected); });
    clear.setClickHandler([&pairs] { pairs.setAllBackColours(kCream); });
}

}  // namespace

EntryPages::EntryPages() : C_laji_sha("C_laji_sha", compoundCaptions()) {
    C_laji_sha.setClickHandler([this](std::size_t i) { toolkit::toggle(C_laji_sha[i], kYellow); });
    C_laji_all.setClickHandler([this](std::size_t row) { setRow(C_laji_sha, row, kYellow); });
    C_laji_cls.setClickHandler([this](std::size_t row) { setRow(C_laji_sha, row, kCream); });
    C_laji_add.setClickHandler([this] { addCompound(); });
    wirePairs(C_sha2ma, C_sha2ma_all, C_sha2ma_cls, kYellow);
    wirePairs(C_bichu2ma, C_bichu2ma_all, C_bichu2ma_cls, kGreen);
    for (const auto& caption : engine::pathCaptions()) Check_sha_012.emplace_back(caption);
    C_012.setClickHandler([this](std::size_t i) {
        for (auto& box : Check_sha_012) box.setTicked(i == 0);
    });
    for (auto* box : {&T_main_shazhixuan, &T_main_laji_fushi}) {
        box->setDoubleClickHandler([box] { box->setText({}); });
    }
}

void EntryPages::setPairCaptions() {
    const auto captions = engine::pairCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        C_sha2ma[i].setCaption(captions[i]);
        C_bichu2ma[i].setCaption(captions[i]);
    }
}

// Each row's yellow numbers, each followed by a blank, make one part; the
// parts are joined by "*" into a new last line. A row without a number
// makes no line.
void EntryPages::addCompound() {
    std::string parts[3];
    for (std::size_t i = 0; i < C_laji_sha.size(); ++i) {
        if (toolkit::isSelected(C_laji_sha[i], kYellow))
            parts[i / 11] += C_laji_sha[i].caption() + " ";
    }
    for (const auto& part : parts) {
        if (part.empty()) return;
    }
    const std::string line = parts[0] + "*" + parts[1] + "*" + parts[2];
    if (toolkit::trimSpaces(T_main_laji_fushi.text()).empty()) {
        T_main_laji_fushi.setText(line);
    } else {
        T_main_laji_fushi.setText(T_main_laji_fushi.text() + "\r\n" + line);
    }
    for (std::size_t row = 0; row < 3; ++row) C_laji_cls.press(row);
}

}  // namespace front3
