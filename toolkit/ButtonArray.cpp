#include "toolkit/ButtonArray.h"

#include <cstdio>
#include <utility>

namespace toolkit {

ButtonArray::ButtonArray(std::string name, const std::vector<std::string>& captions, Rgb backColour)
    : m_name(std::move(name)) {
    for (const auto& caption : captions) m_buttons.emplace_back(caption, backColour);
}

void ButtonArray::setAllBackColours(Rgb colour) {
    for (auto& button : m_buttons) button.setBackColour(colour);
}

std::size_t ButtonArray::countWithColour(Rgb colour) const {
    std::size_t count = 0;
    for (const auto& button : m_buttons) count += button.backColour() == colour ? 1 : 0;
    return count;
}

void ButtonArray::setClickHandler(std::function<void(std::size_t)> handler) {
    m_onClick = std::move(handler);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i].setClickHandler([this, i] {
            if (m_onClick) m_onClick(i);
        });
    }
}

std::vector<std::string> twoDigitCaptions(int first, int last) {
    std::vector<std::string> captions;
    for (int n = first; n <= last; ++n) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d", n);
        captions.emplace_back(text);
    }
    return captions;
}

std::vector<std::string> plainCaptions(int first, int last) {
    std::vector<std::string> captions;
    for (int n = first; n <= last; ++n) captions.push_back(std::to_string(n));
    return captions;
}

}  // namespace toolkit
