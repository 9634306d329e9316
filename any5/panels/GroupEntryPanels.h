#pragma once

#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

namespace toolkit {
class Host;
}

namespace any5 {

// The number-group text boxes of the tab pages and the base pool, with their
// format hints, the number pads whose "添加" writes a picked line into a box,
// the double-click that empties a box and the timer that greys a hint.
class GroupEntryPanels {
public:
    static constexpr const char* kCompoundHint =
        "输入格式标准：\r\n01 02 03 08 09 10 11\r\n02 05 08 09 10\r\n09 05 02 04 06 07\r\n"
        "本功能还可杀历史号码\r\n双击清空\r\n";
    static constexpr const char* kTripleHint =
        "输入格式标准：\r\n01 02 03\r\n02 05 08\r\n04 06 07\r\n双击清空\r\n";
    static constexpr const char* kQuadHint =
        "输入格式标准：\r\n01 02 03 08 09 10 11    \r\n02 05 08 09 10\r\n09 05 02 04 06 07\r\n"
        "双击清空\r\n";
    static constexpr const char* kQuadHintCopy =
        "输入格式标准：\r\n01 02 03 08 09 10 11      \r\n02 05 08 09 10\r\n09 05 02 04 06 07\r\n"
        "双击清空\r\n";
    static constexpr const char* kBasePoolHint =
        "\r\n\r\n\r\n提示：\r\n不懂使用请点击\r\n【软件使用教程】\r\n";
    static constexpr const char* kAddTitle = "出错了";

    explicit GroupEntryPanels(toolkit::Host& host);
    GroupEntryPanels(const GroupEntryPanels&) = delete;
    GroupEntryPanels& operator=(const GroupEntryPanels&) = delete;

    toolkit::TextBox T_main_shazhixuan{kCompoundHint};
    toolkit::TextBox T_main_shazhixuan_by{kCompoundHint};
    toolkit::TextBox T_main_sha_3ma{kTripleHint};
    toolkit::TextBox T_main_bichu_3ma{kTripleHint};
    toolkit::TextBox T_main_3ma{kTripleHint};
    toolkit::TextBox T_main_sha4ma{kQuadHint};
    toolkit::TextBox T_main_sha4ma_by{kQuadHintCopy};
    toolkit::TextBox T_ding_shadingwei;
    toolkit::CheckBox Check_sha_dd{"大底号码"};
    toolkit::TextBox T_sha_dadi{kBasePoolHint};
    toolkit::TextBox T_sha_dadi_by{kBasePoolHint};

    toolkit::ButtonArray C_ding_sha_fushi{"C_ding_sha_fushi", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_ding_sha_fushi_kg{
        "C_ding_sha_fushi_kg", {"全", "清", "添加"}, toolkit::palette::kTabGrey};
    toolkit::ButtonArray C_main_sha_3ma{"C_main_sha_3ma", toolkit::twoDigitCaptions(1, 11)};
    toolkit::Button C_main_sha_3ma_add{"添加"};
    toolkit::ButtonArray C_main_chu_3ma{"C_main_chu_3ma", toolkit::twoDigitCaptions(1, 11)};
    toolkit::Button C_main_chu_3ma_add{"添加"};
    toolkit::ButtonArray C_ding_sha_4ma{"C_ding_sha_4ma", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_ding_sha_4ma_kg{
        "C_ding_sha_4ma_kg", {"全", "清", "添加"}, toolkit::palette::kTabGrey};

    toolkit::Timer Timer_ys_huise{500, true};
    // Clear-all's first step: the four number-group boxes show their hints again.
    void restoreHints();

private:
    struct AddRule {
        toolkit::ButtonArray& picker;
        toolkit::Rgb selected;
        toolkit::TextBox& target;
        std::size_t fewest;
        std::size_t most;
        const char* message;
    };
    void wireKeypad(toolkit::ButtonArray& commands, const AddRule& rule);
    void addLine(const AddRule& rule);
    void greyHints();

    toolkit::Host& m_host;
};

}  // namespace any5
