#include "engine/ConditionText.h"

namespace engine {

std::string selectedText(const toolkit::ButtonArray& buttons, toolkit::Rgb colour,
                         std::string_view verb) {
    std::string text;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].backColour() != colour) continue;
        std::string caption = buttons[i].caption();
        if (const auto at = caption.find("\r\n"); at != std::string::npos)
            caption.replace(at, 2, "-");
        text += ' ' + caption;
    }
    return text.empty() ? text : std::string(verb) + text;
}

std::string tickedText(const std::deque<toolkit::CheckBox>& boxes, std::string_view verb) {
    std::string text;
    for (const auto& box : boxes) {
        if (box.isTicked()) text += ' ' + box.caption();
    }
    return text.empty() ? text : std::string(verb) + text;
}

std::string linesText(const toolkit::TextBox& box) {
    const std::string& text = box.text();
    if (text.find("：") != std::string::npos || text.find("提示") != std::string::npos) return {};
    int lines = 0;
    bool blank = true;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            lines += blank ? 0 : 1;
            blank = true;
        } else if (c != ' ' && c != '\t') {
            blank = false;
        }
    }
    lines += blank ? 0 : 1;
    return lines == 0 ? std::string() : std::to_string(lines) + " 行";
}

const toolkit::ButtonArray& noButtons() {
    static const toolkit::ButtonArray none{"", {}};
    return none;
}

}  // namespace engine
