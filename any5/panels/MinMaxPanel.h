#pragma once

#include "engine/ScratchTable.h"
#include "toolkit/ButtonArray.h"

namespace toolkit {
class Host;
}

namespace any5 {

// 最小号码 and 最大号码. Each click is checked against a scratch table: if no
// bet can have a green smallest and a green largest number, the player is
// warned, and the click stands so that he corrects the choice himself.
class MinMaxPanel {
public:
    static constexpr const char* kInfeasibleText = "刚刚你点的条件，会导致过滤结果为0注，请检查!";
    static constexpr const char* kInfeasibleTitle = "出错提示";

    explicit MinMaxPanel(toolkit::Host& host);
    MinMaxPanel(const MinMaxPanel&) = delete;
    MinMaxPanel& operator=(const MinMaxPanel&) = delete;

    toolkit::ButtonArray C_min{"C_min", toolkit::twoDigitCaptions(1, 7)};
    toolkit::ButtonArray C_max{"C_max", toolkit::twoDigitCaptions(5, 11)};

    // MinMaxFeasibilityCheck: true when some bet meets the current choice.
    bool isFeasible();

private:
    void click(toolkit::ButtonArray& array, std::size_t index);

    toolkit::Host& m_host;
    engine::ScratchTable m_scratch;
};

}  // namespace any5
