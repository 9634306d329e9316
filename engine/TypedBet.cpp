#include "engine/TypedBet.h"

#include <cctype>

namespace engine {

std::string twoDigits(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

namespace {

// The digit runs of the text; a run of four or more digits, even in length,
// is read as numbers of two digits each.
std::vector<std::string> tokensOf(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[at]))) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        const std::string_view run = text.substr(at, end - at);
        if (run.size() >= 4 && run.size() % 2 == 0) {
            for (std::size_t i = 0; i < run.size(); i += 2) tokens.emplace_back(run.substr(i, 2));
        } else {
            tokens.emplace_back(run);
        }
        at = end;
    }
    return tokens;
}

}  // namespace

TypedBet readTypedBet(std::string_view text, int count) {
    const auto tokens = tokensOf(text);
    if (tokens.empty()) return {{}, "请输入一注号码"};
    if (static_cast<int>(tokens.size()) != count) {
        return {{},
                "应为 " + std::to_string(count) + " 个号码，这里有 " +
                    std::to_string(tokens.size()) + " 个"};
    }
    TypedBet bet;
    unsigned seen = 0;
    for (const auto& token : tokens) {
        const int n = token.size() <= 2 ? std::stoi(token) : 0;
        if (n < 1 || n > 11) return {{}, token.substr(0, 12) + " 不是 01..11 的号码"};
        if ((seen >> n) & 1u) return {{}, "号码 " + twoDigits(n) + " 重复了"};
        seen |= 1u << n;
        bet.numbers.push_back(n);
    }
    return bet;
}

}  // namespace engine
