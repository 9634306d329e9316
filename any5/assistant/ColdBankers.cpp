#include "any5/assistant/ColdBankers.h"

#include <vector>

#include "toolkit/LineBreaks.h"

namespace any5::assistant {
namespace {

std::vector<std::string> splitAtSpaces(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = text.find(' ', start);
        tokens.emplace_back(text.substr(start, space - start));
        if (space == std::string_view::npos) return tokens;
        start = space + 1;
    }
}

std::string twoDigits(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

ColdBankers deriveColdBankers(const std::array<std::string, 5>& history) {
    for (const auto& draw : history) {
        if (toolkit::trimSpaces(draw).empty()) return {{}, kIncompleteText, "提示"};
    }
    std::array<std::vector<std::string>, 5> tokens;
    for (int k = 1; k <= 4; ++k) {
        tokens[k] = splitAtSpaces(toolkit::trimSpaces(history[k]));
        if (tokens[k].size() != 5)
            return {{}, "第" + std::to_string(k + 1) + "期开奖号格式有误", "提示"};
    }

    // A token already met in a more recent draw (or earlier in its own) is
    // not where that number was last seen: it is struck out ("*").
    std::array<std::array<bool, 5>, 5> struck{};
    std::string seen(toolkit::trimSpaces(history[0]));
    seen += ' ';
    for (int k = 1; k <= 4; ++k) {
        for (std::size_t i = 0; i < 5; ++i) {
            const std::string& token = tokens[k][i];
            if (seen.find(token) != std::string::npos) {
                struck[k][i] = true;
            } else {
                seen += token;
                seen += ' ';
            }
            struck[k][i] = struck[k][i] || token == "*";
        }
    }
    // The never-drawn numbers are read off the seen text itself, not off a
    // count of distinct tokens that assumes box 0 holds five different
    // numbers: with four there, or one twice, such a count reaches 11 while a
    // number, the coldest of all, was never drawn.
    std::vector<std::string> order;
    for (int n = 1; n <= 11; ++n) {
        if (seen.find(twoDigits(n)) == std::string::npos) order.push_back(twoDigits(n));
    }
    const std::size_t neverDrawn = order.size();
    for (int k = 4; k >= 1 && order.size() < neverDrawn + 3; --k) {
        for (std::size_t i = 0; i < 5; ++i) {
            if (!struck[k][i]) order.push_back(tokens[k][i]);
            if (order.size() >= neverDrawn + 3) break;
        }
    }
    // Never-drawn numbers count as candidates too: only when fewer than three
    // exist in all is there nothing to offer.
    if (order.size() < 3) return {{}, kLogicErrorText, "错误提示"};
    return {order[0] + " " + order[1] + " " + order[2], {}, {}};
}

}  // namespace any5::assistant
