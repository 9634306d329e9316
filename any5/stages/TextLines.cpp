#include "any5/stages/TextLines.h"

namespace any5::stages {

// Windows never span a line break: CR and LF are not digits, so a window
// holding one spells no number and the line masks can be built in one scan.
LineMasks collectLineMasks(std::string_view text) {
    LineMasks lines;
    auto finish = [&lines](engine::BetMask mask) {
        if (!lines.present[mask]) {
            lines.present.set(mask);
            lines.distinct.push_back(mask);
        }
    };
    engine::BetMask mask = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            finish(mask);
            mask = 0;
            ++i;
            continue;
        }
        if (i + 1 < text.size()) {
            if (const int n = engine::numberAt(text[i], text[i + 1])) mask |= 1u << (n - 1);
        }
    }
    finish(mask);
    return lines;
}

bool showsColonHint(std::string_view text) {
    return text.find("\xEF\xBC\x9A") != std::string_view::npos;  // "："
}

}  // namespace any5::stages
