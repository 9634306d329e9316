#include "engine/ConditionText.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace engine {

std::string selectedText(const toolkit::ButtonArray& buttons, toolkit::Rgb colour,
                         std::string_view verb) {
    if (buttons.countWithColour(colour) == 0) return {};
    const auto isNumber = [](const std::string& c) {
        return !c.empty() && c.size() <= 2 && std::isdigit(static_cast<unsigned char>(c[0])) &&
               std::isdigit(static_cast<unsigned char>(c.back()));
    };
    // A pair reads "01 02" as on its button, and pairs are set apart by "、".
    bool hasPairs = false;
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].backColour() != colour) continue;
        std::string caption = buttons[i].caption();
        if (const auto at = caption.find("\r\n"); at != std::string::npos) {
            const bool isPair = isNumber(caption.substr(0, at)) && isNumber(caption.substr(at + 2));
            caption.replace(at, 2, isPair ? " " : "-");
            hasPairs = hasPairs || isPair;
        }
        captions.push_back(std::move(caption));
    }
    // Numbers read smallest first, wherever their buttons stand ("01" of the
    // first banker group is its tenth button).
    if (std::all_of(captions.begin(), captions.end(), isNumber)) {
        std::stable_sort(captions.begin(), captions.end(),
                         [](const auto& a, const auto& b) { return std::stoi(a) < std::stoi(b); });
    }
    std::string text;
    for (const auto& caption : captions) text += (text.empty() || !hasPairs ? " " : "、") + caption;
    return text.empty() ? text : std::string(verb) + text;
}

std::string bankerText(const toolkit::ButtonArray& numbers, const toolkit::ButtonArray& counts) {
    const std::string bankers = selectedText(numbers, toolkit::palette::kGreen, "胆");
    const std::string out = selectedText(counts, toolkit::palette::kGreen, "出");
    return bankers.empty() || out.empty() ? bankers + out : bankers + ' ' + out;
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
