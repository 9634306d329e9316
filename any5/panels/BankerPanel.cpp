#include "any5/panels/BankerPanel.h"

#include "engine/BankerCountCheck.h"
#include "engine/Captions.h"
#include "toolkit/Host.h"
#include "toolkit/ToggleRule.h"

namespace any5 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;

}  // namespace

BankerPanel::BankerPanel(toolkit::Host& host)
    : C_danma_chu("C_danma_chu", engine::firstBankerCaptions()),
      C_danma_chu2("C_danma_chu2", toolkit::twoDigitCaptions(1, 11)),
      C_danma_chu3("C_danma_chu3", toolkit::twoDigitCaptions(1, 11)),
      C_danma_chu4("C_danma_chu4", toolkit::twoDigitCaptions(1, 11)),
      C_danma_chu5("C_danma_chu5", toolkit::twoDigitCaptions(1, 11)),
      C_danma_chu_geshu("C_danma_chu_geshu", toolkit::plainCaptions(0, 5)),
      C_danma_chu_geshu2("C_danma_chu_geshu2", toolkit::plainCaptions(0, 5)),
      C_danma_chu_geshu3("C_danma_chu_geshu3", toolkit::plainCaptions(0, 5)),
      C_danma_chu_geshu4("C_danma_chu_geshu4", toolkit::plainCaptions(0, 5)),
      C_danma_chu_geshu5("C_danma_chu_geshu5", toolkit::plainCaptions(0, 5)),
      C_danma_chu_all("C_danma_chu_all", std::vector<std::string>(kGroups, "全"),
                      toolkit::palette::kTabGrey),
      m_host(host) {
    for (int group = 1; group <= kGroups; ++group) {
        auto& numberButtons = numbers(group);
        numberButtons.setClickHandler(
            [&numberButtons](std::size_t i) { toolkit::toggle(numberButtons[i], kGreen); });
        counts(group).setClickHandler([this, group](std::size_t i) { clickCount(group, i); });
        clearButton(group).setClickHandler([this, group] { clearGroup(group); });
    }
    C_danma_chu_all.setClickHandler([this](std::size_t i) { selectAll(static_cast<int>(i) + 1); });
}

toolkit::ButtonArray& BankerPanel::numbers(int group) {
    toolkit::ButtonArray* arrays[] = {&C_danma_chu, &C_danma_chu2, &C_danma_chu3, &C_danma_chu4,
                                      &C_danma_chu5};
    return *arrays[group - 1];
}

toolkit::ButtonArray& BankerPanel::counts(int group) {
    toolkit::ButtonArray* arrays[] = {&C_danma_chu_geshu, &C_danma_chu_geshu2, &C_danma_chu_geshu3,
                                      &C_danma_chu_geshu4, &C_danma_chu_geshu5};
    return *arrays[group - 1];
}

toolkit::Button& BankerPanel::clearButton(int group) {
    toolkit::Button* buttons[] = {&C_danma_chu_cls, &C_danma_chu_cls2, &C_danma_chu_cls3,
                                  &C_danma_chu_cls4, &C_danma_chu_cls5};
    return *buttons[group - 1];
}

void BankerPanel::clickCount(int group, std::size_t index) {
    engine::clickBankerCount(counts(group), index, numbers(group), m_host);
}

void BankerPanel::clearGroup(int group) {
    numbers(group).setAllBackColours(kCream);
    counts(group).setAllBackColours(kCream);
}

// Every number green, then each count button pressed as by the player, which
// flips it: with all eleven bankers no count is refused.
void BankerPanel::selectAll(int group) {
    numbers(group).setAllBackColours(kGreen);
    auto& countButtons = counts(group);
    for (std::size_t i = 0; i < countButtons.size(); ++i) countButtons.press(i);
}

std::unique_ptr<stages::BankerGroupStage> BankerPanel::makeStage() {
    stages::BankerGroupStage::Arrays numberArrays{};
    stages::BankerGroupStage::Arrays countArrays{};
    for (int group = 1; group <= kGroups; ++group) {
        numberArrays[group - 1] = &numbers(group);
        countArrays[group - 1] = &counts(group);
    }
    return std::make_unique<stages::BankerGroupStage>(numberArrays, countArrays);
}

}  // namespace any5
