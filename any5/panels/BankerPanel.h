#pragma once

#include <memory>

#include "any5/stages/BankerGroupStage.h"
#include "toolkit/ButtonArray.h"

namespace toolkit {
class Host;
}

namespace any5 {

// The five banker groups: eleven number buttons, six count buttons
// ("胆码开出个数"), a clear button "清" and a select-all "全" per group.
class BankerPanel {
public:
    static constexpr int kGroups = 5;

    explicit BankerPanel(toolkit::Host& host);
    BankerPanel(const BankerPanel&) = delete;
    BankerPanel& operator=(const BankerPanel&) = delete;

    // Group 1's buttons carry "02".."10" at indexes 0..8, "01" at 9, "11" at 10.
    toolkit::ButtonArray C_danma_chu;
    toolkit::ButtonArray C_danma_chu2;
    toolkit::ButtonArray C_danma_chu3;
    toolkit::ButtonArray C_danma_chu4;
    toolkit::ButtonArray C_danma_chu5;
    toolkit::ButtonArray C_danma_chu_geshu;
    toolkit::ButtonArray C_danma_chu_geshu2;
    toolkit::ButtonArray C_danma_chu_geshu3;
    toolkit::ButtonArray C_danma_chu_geshu4;
    toolkit::ButtonArray C_danma_chu_geshu5;
    toolkit::Button C_danma_chu_cls{"清"};
    toolkit::Button C_danma_chu_cls2{"清"};
    toolkit::Button C_danma_chu_cls3{"清"};
    toolkit::Button C_danma_chu_cls4{"清"};
    toolkit::Button C_danma_chu_cls5{"清"};
    // Item k selects all of group k+1.
    toolkit::ButtonArray C_danma_chu_all;

    // Group 1..5.
    toolkit::ButtonArray& numbers(int group);
    toolkit::ButtonArray& counts(int group);
    const toolkit::ButtonArray& numbers(int group) const {
        return const_cast<BankerPanel*>(this)->numbers(group);
    }
    const toolkit::ButtonArray& counts(int group) const {
        return const_cast<BankerPanel*>(this)->counts(group);
    }
    toolkit::Button& clearButton(int group);

    std::unique_ptr<stages::BankerGroupStage> makeStage();

private:
    void clickCount(int group, std::size_t index);
    void clearGroup(int group);
    void selectAll(int group);

    toolkit::Host& m_host;
};

}  // namespace any5
