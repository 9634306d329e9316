#pragma once

#include <array>
#include <string>

namespace any5::assistant {

// The outcome of deriving the three coldest numbers from the last five draws
// (box 0 the most recent): either the bankers ("04 10 06") or a message.
struct ColdBankers {
    std::string bankers;
    std::string errorText;
    std::string errorTitle;
    bool ok() const { return errorText.empty(); }
};

inline constexpr const char* kIncompleteText = "5期开奖号码不齐全";
inline constexpr const char* kLogicErrorText = "经过软件计算，出现未知逻辑错误，可能由开奖号码引起";

// Never-drawn numbers first, ascending; then the numbers last seen in the
// fifth, fourth, third and second most recent draws, each in drawing order.
// The most recent draw never contributes. Draws are split at single spaces
// and not otherwise checked. Example: 01 02 03 04 05 / 06 07 08 01 02 /
// 09 10 03 04 06 / 11 01 02 05 07 / 08 09 10 11 03 gives "11 09 10".
ColdBankers deriveColdBankers(const std::array<std::string, 5>& history);

}  // namespace any5::assistant
