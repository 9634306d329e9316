#include "any5/stages/ParityPatternStage.h"

#include <array>
#include <bitset>

#include "any5/stages/RowScan.h"

namespace any5::stages {
namespace {

// Bit k of a code is 1 when the bet's k-th number is odd.
std::array<int, 5> numbersForCode(unsigned code) {
    std::array<int, 5> numbers{};
    for (int k = 0; k < 5; ++k) numbers[k] = (code >> k) & 1u ? 1 : 2;
    return numbers;
}

unsigned codeOf(const std::array<int, 5>& numbers) {
    unsigned code = 0;
    for (int k = 0; k < 5; ++k) code |= (numbers[k] % 2 != 0 ? 1u : 0u) << k;
    return code;
}

}  // namespace

std::string ParityPatternStage::arrangementOf(const std::array<int, 5>& numbers) {
    std::string text;
    for (int n : numbers) text += n % 2 != 0 ? "奇" : "偶";
    return text;
}

RowSet ParityPatternStage::rowsToKill(const engine::CandidateTable& table) const {
    if (m_list.empty()) return {};
    std::bitset<32> ticked;
    for (unsigned code = 0; code < 32; ++code) {
        if (m_list.find(arrangementOf(numbersForCode(code))) != std::string::npos) ticked.set(code);
    }
    if (ticked.none()) return {};
    return rowsWhere(table, [&](engine::BetMask bet, const BetShape&) {
        return ticked[codeOf(numbersOf(bet))];
    });
}

}  // namespace any5::stages
