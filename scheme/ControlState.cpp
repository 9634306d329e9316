#include "scheme/ControlState.h"

#include <algorithm>

#include "engine/Selection.h"
#include "toolkit/ToggleRule.h"

namespace scheme {
namespace {

using toolkit::palette::kCream;

std::size_t lastOf(const toolkit::ButtonArray& buttons, std::size_t last) {
    return std::min(last, buttons.size() - 1);
}

// "01\r\n02" => {1, 2}.
std::pair<int, int> pairOf(const std::string& caption) {
    if (caption.size() < 2) return {-1, -1};
    return {engine::captionValue(caption.substr(0, 2)),
            engine::captionValue(caption.substr(caption.size() - 2))};
}

}  // namespace

Values valuesOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected, std::size_t first,
                std::size_t last) {
    Values values;
    for (std::size_t i = first; i <= lastOf(buttons, last); ++i) {
        if (toolkit::isSelected(buttons[i], selected))
            values.insert(engine::captionValue(buttons[i].caption()));
    }
    return values;
}

void setValuesOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Values& values,
                 std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= lastOf(buttons, last); ++i) {
        const bool wanted = values.count(engine::captionValue(buttons[i].caption())) != 0;
        buttons[i].setBackColour(wanted ? selected : kCream);
    }
}

Captions captionsOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected) {
    Captions captions;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (toolkit::isSelected(buttons[i], selected)) captions.insert(buttons[i].caption());
    }
    return captions;
}

void setCaptionsOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Captions& captions) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].setBackColour(captions.count(buttons[i].caption()) != 0 ? selected : kCream);
    }
}

Pairs pairsOn(const toolkit::ButtonArray& buttons, toolkit::Rgb selected) {
    Pairs pairs;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (toolkit::isSelected(buttons[i], selected)) pairs.insert(pairOf(buttons[i].caption()));
    }
    return pairs;
}

void setPairsOn(toolkit::ButtonArray& buttons, toolkit::Rgb selected, const Pairs& pairs) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool wanted = pairs.count(pairOf(buttons[i].caption())) != 0;
        buttons[i].setBackColour(wanted ? selected : kCream);
    }
}

Captions tickedCaptions(const std::deque<toolkit::CheckBox>& boxes) {
    Captions captions;
    for (const auto& box : boxes) {
        if (box.isTicked()) captions.insert(box.caption());
    }
    return captions;
}

void setTicked(std::deque<toolkit::CheckBox>& boxes, const Captions& captions) {
    for (auto& box : boxes) box.setTicked(captions.count(box.caption()) != 0);
}

std::optional<std::string> changedText(const toolkit::TextBox& box, std::string_view startUp,
                                       std::string_view sameHint) {
    if (box.text() == startUp || (!sameHint.empty() && box.text() == sameHint)) return std::nullopt;
    return box.text();
}

void setText(toolkit::TextBox& box, const std::optional<std::string>& text,
             std::string_view startUp) {
    box.setText(text ? *text : std::string(startUp));
}

}  // namespace scheme
