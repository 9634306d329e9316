#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "shell/Shell.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/Docking.h"
#include "toolkit/Frame.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"
#include "toolkit/Window.h"

namespace toolkit {
class Host;
}

namespace any5::assistant {

// Fsha_jiaocheng, the assistant's tutorial: one fixed usage text.
class TutorialWindow final : public toolkit::Window {
public:
    TutorialWindow();
    toolkit::TextBox T_jiaocheng;
};

// Fshahao, "杀号管理界面": the five most recent draws, entered on a pad of
// five rows (one per ball) or typed, and the button that makes the three
// coldest numbers bankers of group 1 and kills their pairs on the main
// window. It docks against the main window's right edge where the screen has
// room for it.
class KillAssistant final : public toolkit::Window {
public:
    static constexpr toolkit::Rgb kChooserGreen = 0xC0FFC0;

    // `C_danma_chu` and `C_sha2ma` are the main window's panels it presets.
    KillAssistant(toolkit::Host& host, const toolkit::Window& mainWindow,
                  toolkit::ButtonArray& C_danma_chu, toolkit::ButtonArray& C_sha2ma,
                  const shell::Environment& environment);

    // The pad: 万位, 千位, 百位, 十位, 个位.
    toolkit::ButtonArray C_dingwei_ww{"C_dingwei_ww", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_dingwei_qw{"C_dingwei_qw", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_dingwei_bw{"C_dingwei_bw", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_dingwei_sw{"C_dingwei_sw", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_dingwei_gw{"C_dingwei_gw", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_shahao_queren{
        "C_shahao_queren", {"点这选择要输入的期号", "确认输入"}, toolkit::palette::kTabGrey};
    toolkit::Frame F_shahao_xiala;
    toolkit::ButtonArray C_shahao_gengxin{
        "C_shahao_gengxin",
        {"更新最近1期并重新排列最近5期", "输入最近 1 期开奖号", "输入最近 2 期开奖号",
         "输入最近 3 期开奖号", "输入最近 4 期开奖号", "输入最近 5 期开奖号"}};
    toolkit::Button C_shahao_tuichu{"X", toolkit::palette::kRed};
    // 0..4 the draws, most recent first; 5 the coldest three (read-only).
    std::array<toolkit::TextBox, 6> T_zuijin_kjh;
    toolkit::ButtonArray C_haoma_shangyi{"C_haoma_shangyi",
                                         {"号码上移", "号码上移", "号码上移", "号码上移"},
                                         toolkit::palette::kTabGrey};
    toolkit::Button C_shahao_sandan{"选最冷的三码为胆，并杀三胆的任意两码组合"};
    toolkit::Button C_shahao_jiaocheng{"使用教程"};
    // Fills boxes 0..4 from the newest five draws of the kept history.
    toolkit::Button C_shahao_lishi{"从开奖历史填入最近5期"};
    toolkit::Button C_shahao_jiqiao{"参考作者使用技巧"};
    toolkit::Timer Timer1{100};
    TutorialWindow tutorial;

    toolkit::ButtonArray& padRow(int row);
    // Where C_shahao_lishi asks for the newest draws: the source answers
    // later, on the user-interface thread, with them newest first, each as
    // "03 07 01 11 05"; none when the history has none, with the message
    // saying why.
    using HistoryAnswer = std::function<void(std::vector<std::string> draws, std::string why)>;
    using HistorySource = std::function<void(HistoryAnswer answer)>;
    void setHistorySource(HistorySource source) { m_historySource = std::move(source); }
    // The pointer over the bare window: both confirm buttons white.
    void hoverSurface();

private:
    void onLoad() override;
    // Against the main window's right edge, or wherever it stays on screen.
    void recognise();
    void choosePeriod(std::size_t index);
    void closeChooser();
    void confirm();
    void derive();
    void presetMainWindow();
    void fillFromHistory();
    std::string padDraw();

    toolkit::Host& m_host;
    toolkit::Docking m_docking;
    toolkit::ButtonArray& m_bankers;
    toolkit::ButtonArray& m_pairs;
    const shell::Environment& m_environment;
    HistorySource m_historySource;
};

}  // namespace any5::assistant
