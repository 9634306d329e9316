#include "any5/assistant/KillAssistant.h"

#include "any5/assistant/ColdBankers.h"
#include "engine/Selection.h"
#include "toolkit/Host.h"
#include "toolkit/LineBreaks.h"

namespace any5::assistant {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;

constexpr const char* kTutorial =
    "【杀号助手是做什么的】\r\n"
    "本功能按作者的一个选号规则：在最近5期开奖号码里找出最冷的三个号码作为胆码，"
    "并杀掉这三个胆码的任意两码组合。它只是一个参考方法，不保证中奖。\r\n\r\n"
    "【怎样输入最近5期开奖号码】\r\n"
    "方法一：直接在“最近1期开奖号”至“最近5期开奖号”的方框里输入或粘贴号码，"
    "号码写两位数，按开奖顺序排列，号码之间用一个空格隔开，例如 03 11 07 01 09。\r\n"
    "方法二：在下面的万位、千位、百位、十位、个位五行里，每行点选一个号码，"
    "点“点这选择要输入的期号”，选择要输入的期号，再点“确认输入”。\r\n\r\n"
    "【每开出一期新号码】\r\n"
    "用号码键盘点选新开出的号码，选择“更新最近1期并重新排列最近5期”，再点“确认输入”："
    "原来的号码依次往下移一期，最老的一期被移出，新号码成为最近1期。\r\n\r\n"
    "【号码上移和清空】\r\n"
    "“号码上移”把旁边方框的号码移到下一期的方框里（原来的号码被覆盖），本框变空。"
    "双击方框可以清空方框里的号码。\r\n\r\n"
    "【选胆杀码】\r\n"
    "5期号码都填好后，点“选最冷的三码为胆，并杀三胆的任意两码组合”："
    "首页的胆码1会选中这三个号码，杀2码组合会选中它们两两组成的三个二码。"
    "然后回到首页，设置其他条件，点【开始缩水】。\r\n";

}  // namespace

TutorialWindow::TutorialWindow() : Window("杀号教程"), T_jiaocheng(kTutorial) {
    T_jiaocheng.setReadOnly(true);
}

KillAssistant::KillAssistant(toolkit::Host& host, const toolkit::Window& mainWindow,
                             toolkit::ButtonArray& C_danma_chu, toolkit::ButtonArray& C_sha2ma,
                             const shell::Environment& environment)
    : Window("杀号管理界面"),
      m_host(host),
      m_docking(*this, mainWindow),
      m_bankers(C_danma_chu),
      m_pairs(C_sha2ma),
      m_environment(environment) {
    for (int row = 0; row < 5; ++row) {
        auto& pad = padRow(row);
        // One number per row: the clicked one green, the rest cream.
        pad.setClickHandler([&pad](std::size_t i) {
            pad.setAllBackColours(kCream);
            pad[i].setBackColour(kGreen);
        });
    }
    F_shahao_xiala.setVisible(false);
    C_shahao_queren.setClickHandler([this](std::size_t i) {
        if (i == 0) recognise();
        if (i == 1) confirm();
    });
    for (std::size_t i = 0; i < C_shahao_queren.size(); ++i) {
        C_shahao_queren[i].setMouseMoveHandler(
            [this] { C_shahao_queren.setAllBackColours(kGreen); });
    }
    C_shahao_gengxin.setClickHandler([this](std::size_t i) { choosePeriod(i); });
    C_shahao_tuichu.setClickHandler([this] { closeChooser(); });
    T_zuijin_kjh[5].setReadOnly(true);
    for (std::size_t box = 0; box < 5; ++box) {
        T_zuijin_kjh[box].setDoubleClickHandler([this, box] { T_zuijin_kjh[box].setText({}); });
    }
    C_haoma_shangyi.setClickHandler([this](std::size_t i) {
        T_zuijin_kjh[i + 1].setText(T_zuijin_kjh[i].text());
        T_zuijin_kjh[i].setText({});
    });
    C_shahao_sandan.setClickHandler([this] { derive(); });
    C_shahao_jiaocheng.setClickHandler([this] { tutorial.show(); });
    C_shahao_lishi.setClickHandler([this] { fillFromHistory(); });
    C_shahao_jiqiao.setClickHandler([this] {
        shell::openPage(m_host, m_environment.links.tips, shell::kDownloadPageFailedText);
    });
    addTimer(Timer1);
    Timer1.setTickHandler([this] { m_docking.place(); });
}

toolkit::ButtonArray& KillAssistant::padRow(int row) {
    toolkit::ButtonArray* rows[] = {&C_dingwei_ww, &C_dingwei_qw, &C_dingwei_bw, &C_dingwei_sw,
                                    &C_dingwei_gw};
    return *rows[row];
}

void KillAssistant::onLoad() {
    F_shahao_xiala.setVisible(false);
    m_docking.place();
    Timer1.setEnabled(true);
}

void KillAssistant::hoverSurface() {
    C_shahao_queren.setAllBackColours(toolkit::palette::kWhite);
}

void KillAssistant::recognise() {
    std::size_t selected = 0;
    std::string text;
    for (std::size_t i = 0; i < 11; ++i) {
        for (int row = 0; row < 5; ++row) {
            if (padRow(row)[i].backColour() != kGreen) continue;
            ++selected;
            text += padRow(row)[i].caption() + "*";
        }
    }
    if (selected != 5) {
        m_host.showMessage("请每个位置选择一个号码", "号码不全");
        return;
    }
    if (engine::countNumbers(engine::tokenMask(text)) != 5) {
        m_host.showMessage("5个位置输入有重复，请检查", "号码重复");
        return;
    }
    F_shahao_xiala.setVisible(true);
}

void KillAssistant::choosePeriod(std::size_t index) {
    if (index == 0 && toolkit::trimSpaces(T_zuijin_kjh[0].text()).empty()) {
        m_host.showMessage("最近1期开奖号空白，无法更新", "提示");
        return;
    }
    const bool wasChosen = C_shahao_gengxin[index].backColour() == kGreen;
    C_shahao_gengxin.setAllBackColours(kCream);
    if (!wasChosen) C_shahao_gengxin[index].setBackColour(kGreen);
}

void KillAssistant::closeChooser() {
    F_shahao_xiala.setVisible(false);
    C_shahao_gengxin.setAllBackColours(kCream);
}

std::string KillAssistant::padDraw() {
    std::string draw;
    for (int row = 0; row < 5; ++row) {
        for (std::size_t i = 0; i < 11; ++i) {
            if (padRow(row)[i].backColour() != kGreen) continue;
            draw += padRow(row)[i].caption();
            if (row < 4) draw += " ";
        }
    }
    return draw;
}

void KillAssistant::confirm() {
    int choice = -1;
    for (std::size_t i = 0; i < C_shahao_gengxin.size(); ++i) {
        if (C_shahao_gengxin[i].backColour() == kGreen) choice = static_cast<int>(i);
    }
    if (choice < 0) {
        m_host.showMessage("请选择要更新的具体内容", "提示");
        return;
    }
    if (choice > 0) {
        auto& target = T_zuijin_kjh[static_cast<std::size_t>(choice - 1)];
        if (!toolkit::trimSpaces(target.text()).empty()) {
            m_host.showMessage("方框内已有号码，请确认后清除方框内的号码再输入", "提示");
            return;
        }
        target.setText(padDraw());
    } else {
        const std::string draw = padDraw();
        for (std::size_t box = 4; box >= 1; --box)
            T_zuijin_kjh[box].setText(T_zuijin_kjh[box - 1].text());
        T_zuijin_kjh[0].setText(draw);
    }
    closeChooser();
    for (int row = 0; row < 5; ++row) padRow(row).setAllBackColours(kCream);
}

// The newest five draws in boxes 0..4, newest first; fewer draws leave the
// later boxes empty.
void KillAssistant::fillFromHistory() {
    const auto fill = [this](std::vector<std::string> draws, const std::string& why) {
        if (draws.empty()) {
            m_host.showMessage(why.empty() ? "开奖历史里没有开奖号，请先在【开奖历史】里导入" : why,
                               "提示");
            return;
        }
        for (std::size_t box = 0; box < 5; ++box)
            T_zuijin_kjh[box].setText(box < draws.size() ? draws[box] : std::string());
    };
    if (m_historySource)
        m_historySource(fill);
    else
        fill({}, {});
}

void KillAssistant::derive() {
    T_zuijin_kjh[5].setText({});
    std::array<std::string, 5> history;
    for (std::size_t box = 0; box < 5; ++box) history[box] = T_zuijin_kjh[box].text();
    const ColdBankers result = deriveColdBankers(history);
    if (!result.ok()) {
        m_host.showMessage(result.errorText, result.errorTitle);
        return;
    }
    T_zuijin_kjh[5].setText(result.bankers);
    presetMainWindow();
}

// Selects the bankers in group 1 and kills their pairs; what the player had
// selected there before stays selected.
void KillAssistant::presetMainWindow() {
    const std::string_view box = toolkit::trimSpaces(T_zuijin_kjh[5].text());
    if (box.empty()) return;
    std::array<std::string, 3> tokens;
    std::size_t start = 0;
    for (auto& token : tokens) {
        if (start > box.size()) break;
        const std::size_t space = std::min(box.find(' ', start), box.size());
        token = std::string(box.substr(start, space - start));
        start = space + 1;
    }
    const std::string bankerText = tokens[0] + " " + tokens[1] + " " + tokens[2];
    for (std::size_t i = 0; i < m_bankers.size(); ++i) {
        if (bankerText.find(m_bankers[i].caption()) != std::string::npos)
            m_bankers[i].setBackColour(kGreen);
    }
    for (std::size_t i = 0; i < m_pairs.size(); ++i) {
        int held = 0;
        for (const auto& token : tokens) {
            held += m_pairs[i].caption().find(token) != std::string::npos ? 1 : 0;
        }
        if (held == 2) m_pairs[i].setBackColour(toolkit::palette::kYellow);
    }
    m_host.showMessage("选号成功，请点击首页<开始缩水>", "提示");
}

}  // namespace any5::assistant
