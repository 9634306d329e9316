#pragma once

#include <deque>
#include <string>

#include "engine/Captions.h"
#include "engine/Pipeline.h"
#include "engine/Selection.h"
#include "front3/CandidateTable.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/OptionGroup.h"
#include "toolkit/TextBox.h"

namespace front3 {

// The middle column: sums, odd and big counts with the big-number range, the
// consecutive and shape patterns, and the big/odd/prime pattern boxes.
class ShapePanels {
public:
    static constexpr const char* kShapeHelp =
        " 11 01算连码，杀两连的同时也默认杀三连；\r\n"
        "【上山形】百<十<个的号码算上山形，如01 02 07\r\n"
        "【下山形】百>十>个的号码算下山形，如07 02 01\r\n"
        "【凸形】百<十>个的号码算凸形，如01 03 02\r\n"
        "【凹形】百>十<个的号码算凹形，如03 01 02\r\n";

    ShapePanels();
    ShapePanels(const ShapePanels&) = delete;
    ShapePanels& operator=(const ShapePanels&) = delete;

    toolkit::ButtonArray C_hezhi{"C_hezhi", toolkit::plainCaptions(6, 30)};
    toolkit::Button Command10{"全"};
    toolkit::Button Command5{"清"};
    toolkit::ButtonArray C_jishu_geshu{"C_jishu_geshu", toolkit::plainCaptions(0, 3)};
    toolkit::ButtonArray C_dahao_geshu{"C_dahao_geshu", toolkit::plainCaptions(0, 3)};
    toolkit::OptionGroup Op_dahao_fanwei{"Op_dahao_fanwei", {"大7~11", "大6~11"}};
    std::string BigNumberList = engine::kBigFrom7;
    toolkit::ButtonArray C_sha_xingtai_01{"C_sha_xingtai_01", engine::front3ShapeCaptions()};
    std::deque<toolkit::CheckBox> Check_sha_daxiao;
    std::deque<toolkit::CheckBox> Check_sha_jiou;
    std::deque<toolkit::CheckBox> Check_sha_zhihe;
    toolkit::Button Command6{"全"};
    toolkit::Button Command7{"清"};
    toolkit::Button Command8{"全"};
    toolkit::Button Command9{"清"};
    toolkit::Button Command12{"全"};
    toolkit::Button Command11{"清"};
    toolkit::TextBox T_lianma_shuoming{kShapeHelp};
};

}  // namespace front3
