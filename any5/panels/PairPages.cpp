#include "any5/panels/PairPages.h"

#include "engine/Captions.h"
#include "toolkit/ToggleRule.h"

namespace any5 {
namespace {

void wire(toolkit::ButtonArray& pairs, toolkit::Button& all, toolkit::Button& clear,
          toolkit::Rgb selected) {
    pairs.setClickHandler(
        [&pairs, selected](std::size_t i) { toolkit::toggle(pairs[i], selected); });
    all.setClickHandler([&pairs, selected] { pairs.setAllBackColours(selected); });
    clear.setClickHandler([&pairs] { pairs.setAllBackColours(toolkit::palette::kCream); });
}

}  // namespace

PairPages::PairPages() {
    wire(C_sha2ma, C_sha2ma_all, C_sha2ma_cls, toolkit::palette::kYellow);
    wire(C_chu2ma, C_chu2ma_all, C_chu2ma_cls, toolkit::palette::kGreen);
}

void PairPages::setCaptions() {
    const auto captions = engine::pairCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        C_sha2ma[i].setCaption(captions[i]);
        C_chu2ma[i].setCaption(captions[i]);
    }
}

}  // namespace any5
