#pragma once

#include <string>

#include "shell/Shell.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/TextBox.h"

namespace toolkit {
class Host;
}

namespace any5 {

// The any-5 window's help buttons, link buttons and the button that starts
// the front-3 program, with the hover highlight of the help buttons.
class ShellButtons {
public:
    static constexpr toolkit::Rgb kHoverRed = 0xFF0000;
    static constexpr const char* kSibling = "quorvel_front3";
    static constexpr const char* kSiblingMissing = "文件丢失-/quorvel_front3";

    explicit ShellButtons(toolkit::Host& host);
    ShellButtons(const ShellButtons&) = delete;
    ShellButtons& operator=(const ShellButtons&) = delete;

    // 0 bankers, 1 smallest/largest, 2 spacing, 3 runs.
    toolkit::ButtonArray C_shuomingshu{
        "C_shuomingshu", {"胆码说明", "说明", "说明", "说明"}, toolkit::palette::kTabGrey};
    toolkit::TextBox T_jianju_by;  // hidden: the spacing explanation
    toolkit::Button C11xuan5_r3{"11选5前三软件"};
    toolkit::Button C_suoshui_ruanjian{"11选5游戏规则"};
    toolkit::Button C_jiaocheng{"软件使用教程"};
    shell::Environment environment;

    // The help message of button `index`: {title, text}.
    std::pair<std::string, std::string> help(std::size_t index) const;
    // The pointer over the bare window: every help button and the rules
    // button back to grey (the form also resets its link label).
    void hoverSurface();

private:
    toolkit::Host& m_host;
};

}  // namespace any5
