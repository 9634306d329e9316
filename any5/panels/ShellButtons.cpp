#include "any5/panels/ShellButtons.h"

#include "toolkit/Host.h"

namespace any5 {
namespace {

constexpr const char* kSpacingHelp =
    "间距是两个相邻号码之差（大号减小号）。\r\n"
    "在【间距模式过滤】里点选2~5个号码，它们相邻号码的间距依次组成一个间距模式，\r\n"
    "缩水时杀掉从最小号码起、前面几个间距与这个模式完全相同的号码。\r\n"
    "比如点选01 02 05 06 08，间距模式是1、3、1、2，\r\n"
    "就杀掉01 02 05 06 08、02 03 06 07 09、03 04 07 08 10、04 05 08 09 11这4注。\r\n"
    "只点选1个号码不起作用，最多可以点选5个号码。";

std::string joined(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty() || &line != lines.begin()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

ShellButtons::ShellButtons(toolkit::Host& host) : T_jianju_by(kSpacingHelp), m_host(host) {
    C_shuomingshu.setClickHandler([this](std::size_t i) {
        const auto [title, text] = help(i);
        m_host.showMessage(text, title);
    });
    for (std::size_t i = 0; i < C_shuomingshu.size(); ++i) {
        C_shuomingshu[i].setMouseMoveHandler([this, i] {
            C_shuomingshu.setAllBackColours(toolkit::palette::kTabGrey);
            C_shuomingshu[i].setBackColour(kHoverRed);
        });
    }
    C11xuan5_r3.setClickHandler(
        [this] { shell::launchSibling(m_host, environment, kSibling, kSiblingMissing); });
    C_suoshui_ruanjian.setClickHandler(
        [this] { shell::openPage(m_host, environment.links.rules, shell::kPageFailedText); });
    C_jiaocheng.setClickHandler([this] {
        shell::openPage(m_host, environment.links.tutorial, shell::kDownloadPageFailedText);
    });
}

std::pair<std::string, std::string> ShellButtons::help(std::size_t index) const {
    switch (index) {
        case 0:
            return {"胆码提示说明",
                    joined({"建议新手:胆码输入一行就可以了，不要输入多行胆码，胆码开出个数可不选",
                            std::string(60, '-'),
                            "如输入多组胆码（即多行胆码），则缩水后的号码就是多组胆码的【交集】",
                            "输入多组胆码（即多行胆码）也叫号码匹配",
                            "【胆码开出个数】是表示你选择的胆码会开出几个，可多选几个，"
                            "如不选择个数将默认至少开出一个",
                            "比如选01 02 08 09这几个号码为胆，胆码开出个数选择2、3个",
                            "则缩水后的号码里必须含有01 02 08 09其中的2、3个号码，"
                            "多于或少于2、3个都算错",
                            "", "如不懂使用请点击【软件使用教程】"})};
        case 1:
            return {"最小最大号说明",
                    joined({"最小号码是指开奖号码中最小的那个，最大号码是指开奖号码中最大的那个。",
                            "最小号与最大号可以多选，但最大号减去最小号必须≥4"})};
        case 2:
            return {"间距说明", T_jianju_by.text()};
        default:
            return {
                "连码说明",
                joined({"11 01算连号，连号可不挨在一起，杀小连号的同时也默认杀大连号",
                        "比如杀【两连】同时也默认杀：两个两连、三连、四连、五连，以此类推",
                        "技巧：", "如只想保留三连可使用【必出三码组合】功能实现",
                        "为提高输入效率，建议预先在记事本写好01 02 03、05 06 07等全部三连号码，",
                        "复制-粘贴预先写好的号码到【必出三码组合】功能即可快速输入",
                        "不懂使用请点击【软件使用教程】"})};
    }
}

void ShellButtons::hoverSurface() {
    C_shuomingshu.setAllBackColours(toolkit::palette::kTabGrey);
    C_suoshui_ruanjian.setBackColour(toolkit::palette::kTabGrey);
}

}  // namespace any5
