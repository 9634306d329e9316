#pragma once

#include <string>

#include "engine/Selection.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/OptionGroup.h"

namespace any5 {

// The frame "奇偶，质合，大小": green count buttons of big, odd and prime
// numbers and the big-number range option that sets BigNumberList.
class CountPanel {
public:
    CountPanel();
    CountPanel(const CountPanel&) = delete;
    CountPanel& operator=(const CountPanel&) = delete;

    toolkit::ButtonArray C_dahao_geshu{"C_dahao_geshu", toolkit::plainCaptions(0, 5)};
    toolkit::ButtonArray C_jishu_geshu{"C_jishu_geshu", toolkit::plainCaptions(0, 5)};
    toolkit::ButtonArray C_zhihe_geshu{"C_zhihe_geshu", toolkit::plainCaptions(0, 5)};
    toolkit::OptionGroup Op_dahao_fanwei{"Op_dahao_fanwei", {"大7~11", "大6~11"}};
    // The big numbers, read by the count stage when a run reaches it.
    std::string BigNumberList = engine::kBigFrom7;
};

}  // namespace any5
