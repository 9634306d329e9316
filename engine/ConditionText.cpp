#include "engine/ConditionText.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "engine/Selection.h"
#include "engine/TypedBet.h"

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

std::string numbersText(BetMask mask) {
    std::string text;
    for (int n = 1; n <= 11; ++n) {
        if ((mask & bitOf(n)) == 0) continue;
        if (!text.empty()) text += ' ';
        text += twoDigits(n);
    }
    return text;
}

std::string pairsHeld(const toolkit::ButtonArray& buttons, toolkit::Rgb colour, BetMask bet) {
    std::set<std::string> held;  // "01 02" before "01 11" before "02 03"
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].backColour() != colour) continue;
        const BetMask pair = tokenMask(buttons[i].caption());
        if (countNumbers(pair) == 2 && (bet & pair) == pair) held.insert(numbersText(pair));
    }
    std::string text;
    for (const auto& pair : held) text += (text.empty() ? "" : "、") + pair;
    return text;
}

std::string bankersHeld(const toolkit::ButtonArray& numbers, BetMask bet) {
    const BetMask held = bet & selectedNumbers(numbers, toolkit::palette::kGreen);
    std::string text = "含胆码 " + std::to_string(countNumbers(held)) + " 个";
    return held == 0 ? text : text + "（" + numbersText(held) + "）";
}

std::string countText(std::string_view kind, int count) {
    return std::string(kind) + ' ' + std::to_string(count) + " 个";
}

std::string runsText(const std::vector<std::vector<int>>& runs) {
    static const char* const kLengths[] = {"", "", "二连", "三连", "四连", "五连"};
    if (runs.empty()) return "不连";
    std::string text;
    for (const auto& run : runs) {
        if (!text.empty()) text += "、";
        for (std::size_t k = 0; k < run.size(); ++k)
            text += (k == 0 ? "" : " ") + twoDigits(run[k]);
    }
    const std::size_t length = std::min<std::size_t>(runs.front().size(), 5);
    return text + ' ' + (runs.size() == 2 ? "两个" : "") + kLengths[length];
}

const toolkit::ButtonArray& noButtons() {
    static const toolkit::ButtonArray none{"", {}};
    return none;
}

}  // namespace engine
