#include "engine/Money.h"

namespace engine {

std::string costText(long long bets, std::string_view unit) {
    return std::to_string(bets) + " " + std::string(unit) + "，" +
           std::to_string(bets * kYuanPerBet) + " 元";
}

std::string signedText(long long yuan) {
    return (yuan > 0 ? "+" : "") + std::to_string(yuan);
}

std::string balanceText(long long yuan) {
    return signedText(yuan) + " 元";
}

}  // namespace engine
