#include "toolkit/LineBreaks.h"

namespace toolkit {
namespace {

// UTF-8 of U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR.
constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

// Length of the line break starting at `i`, or 0 when there is none.
std::size_t breakLength(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == '\n') return 1;
    if (c == '\r') return (i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    if (c == '\xE2') {
        const auto rest = text.substr(i, 3);
        if (rest == kLineSeparator || rest == kParagraphSeparator) return 3;
    }
    return 0;
}

std::string replaceBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size();) {
        if (const auto length = breakLength(text, i)) {
            out.append(lineBreak);
            i += length;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string toCrLf(std::string_view text) {
    return replaceBreaks(text, "\r\n");
}

std::string toLf(std::string_view text) {
    return replaceBreaks(text, "\n");
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace toolkit
