#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "any5/assistant/ColdBankers.h"
#include "fuzz/FuzzChecks.h"
#include "toolkit/LineBreaks.h"

namespace {

std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

bool isNumber(const std::string& token) {
    return token.size() == 2 && ((token[0] == '0' && token[1] >= '1' && token[1] <= '9') ||
                                 (token[0] == '1' && (token[1] == '0' || token[1] == '1')));
}

// Five distinct numbers 01..11 separated by single blanks, as the pad writes.
bool isDraw(const std::string& draw) {
    const auto tokens = splitAt(toolkit::trimSpaces(draw), ' ');
    if (tokens.size() != 5) return false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!isNumber(tokens[i])) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (tokens[j] == tokens[i]) return false;
        }
    }
    return true;
}

}  // namespace

// The coldest three of the kill-number assistant, with the input's first
// five lines (split at LF) as the draws, most recent first. Whatever the
// draws, an answer is three distinct tokens of which none is in the most
// recent draw; five proper draws always give an answer, of numbers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = splitAt(fuzz::textOf(data, size), '\n');
    std::array<std::string, 5> history;
    bool allDraws = true;
    for (std::size_t k = 0; k < history.size(); ++k) {
        if (k < lines.size()) history[k] = lines[k];
        allDraws = allDraws && isDraw(history[k]);
    }

    const auto result = any5::assistant::deriveColdBankers(history);
    if (!result.ok()) {
        fuzz::check(!allDraws && result.bankers.empty() && !result.errorTitle.empty());
        return 0;
    }
    const auto bankers = splitAt(result.bankers, ' ');
    fuzz::check(bankers.size() == 3);
    const auto latest = splitAt(toolkit::trimSpaces(history[0]), ' ');
    for (std::size_t i = 0; i < bankers.size(); ++i) {
        fuzz::check(!bankers[i].empty() && bankers[i] != "*");
        fuzz::check(!allDraws || isNumber(bankers[i]));
        for (std::size_t j = 0; j < i; ++j) fuzz::check(bankers[j] != bankers[i]);
        for (const auto& token : latest) fuzz::check(token != bankers[i]);
    }
    return 0;
}
