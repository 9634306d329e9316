#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzChecks.h"
#include "tools/intersection/BetTextNormaliser.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The maximal runs of digits, in order: "01,02\r\n3" => 01 02 3.
std::vector<std::string> digitRunsOf(const std::string& text) {
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i])) continue;
        if (i == 0 || !isDigit(text[i - 1])) runs.emplace_back();
        runs.back() += text[i];
    }
    return runs;
}

// Digits, single blanks and CR LF only; it starts with a digit and ends with
// no blank.
bool isTidy(const std::string& text) {
    if (text.empty()) return true;
    if (!isDigit(text.front()) || text.back() == ' ') return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) continue;
        if (c == ' ' && text[i - 1] != ' ') continue;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\n' && text[i - 1] == '\r') continue;
        return false;
    }
    return true;
}

}  // namespace

// The front-3 list tidying of the intersection tool: every number written (a
// run of digits) is kept, in order and apart from its neighbours; the result
// is tidy; and tidying it again changes nothing (the tool tidies the same
// lists once per operation).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::textOf(data, size);
    const std::string tidy = intersection::normaliseBetText(text);
    fuzz::check(digitRunsOf(tidy) == digitRunsOf(text));
    fuzz::check(isTidy(tidy));
    fuzz::check(intersection::normaliseBetText(tidy) == tidy);
    return 0;
}
