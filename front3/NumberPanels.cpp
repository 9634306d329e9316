#include "front3/NumberPanels.h"

#include <memory>

#include "engine/BankerCountCheck.h"
#include "engine/Captions.h"
#include "front3/Front3Slot.h"
#include "front3/NumberStages.h"
#include "toolkit/ToggleRule.h"

namespace front3 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

std::vector<std::string> positionalCaptions() {
    std::vector<std::string> captions = toolkit::twoDigitCaptions(1, 11);
    for (int row = 1; row < 3; ++row) {
        for (int n = 11; n >= 1; --n) captions.push_back(toolkit::twoDigitCaptions(n, n)[0]);
    }
    return captions;
}

void toggleAll(toolkit::ButtonArray& array, toolkit::Rgb selected) {
    array.setClickHandler(
        [&array, selected](std::size_t i) { toolkit::toggle(array[i], selected); });
}

void clearRange(toolkit::ButtonArray& array, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) array[i].setBackColour(kCream);
}

}  // namespace

std::vector<std::size_t> positionalScreenOrder() {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i <= 10; ++i) order.push_back(i);
    for (std::size_t i = 21; i >= 11; --i) order.push_back(i);
    for (std::size_t i = 32; i >= 22; --i) order.push_back(i);
    return order;
}

NumberPanels::NumberPanels(toolkit::Host& host)
    : C_danma_chu("C_danma_chu", engine::firstBankerCaptions()),
      C_dingwei_sha("C_dingwei_sha", positionalCaptions()),
      m_host(host) {
    toggleAll(C_kuadu_sha, kYellow);
    C_kuadu_sha_cls.setClickHandler([this] { C_kuadu_sha.setAllBackColours(kCream); });
    for (int group = 1; group <= 3; ++group) {
        toggleAll(numbers(group), kGreen);
        counts(group).setClickHandler([this, group](std::size_t i) {
            engine::clickBankerCount(counts(group), i, numbers(group), m_host);
        });
    }
    C_danma_chu_cls.setClickHandler([this](std::size_t i) {
        const int group = static_cast<int>(i) + 1;
        numbers(group).setAllBackColours(kCream);
        counts(group).setAllBackColours(kCream);
    });
    toggleAll(C_tsm_sha, kYellow);
    C_bdw_chu_cls.setClickHandler([this] { C_tsm_sha.setAllBackColours(kCream); });
    toggleAll(C_dingwei_sha, kYellow);
    Command2.setClickHandler([this] { clearRange(C_dingwei_sha, 0, 10); });
    Command3.setClickHandler([this] { clearRange(C_dingwei_sha, 11, 21); });
    Command4.setClickHandler([this] { clearRange(C_dingwei_sha, 22, 32); });
}

toolkit::ButtonArray& NumberPanels::numbers(int group) {
    toolkit::ButtonArray* arrays[] = {&C_danma_chu, &C_danma_chu2, &C_danma_chu3};
    return *arrays[group - 1];
}

toolkit::ButtonArray& NumberPanels::counts(int group) {
    toolkit::ButtonArray* arrays[] = {&C_danma_chu_geshu, &C_danma_chu_geshu2, &C_danma_chu_geshu3};
    return *arrays[group - 1];
}

}  // namespace front3
