#pragma once

#include "engine/Captions.h"
#include "toolkit/ButtonArray.h"

namespace toolkit {
class Host;
}

namespace any5 {

// The kill-type shape panels: kill numbers, sum tail, sum, span, spacing
// pattern and consecutive runs, each with its clear and select-all buttons.
class ShapePanels {
public:
    static constexpr const char* kSpacingLimitText = "选取个数不能超过5个，应该2~5个";
    static constexpr const char* kSpacingLimitTitle = "错误提示";
    static constexpr std::size_t kSpacingLimit = 5;

    explicit ShapePanels(toolkit::Host& host);
    ShapePanels(const ShapePanels&) = delete;
    ShapePanels& operator=(const ShapePanels&) = delete;

    toolkit::ButtonArray C_tsm_sha{"C_tsm_sha", toolkit::twoDigitCaptions(1, 11)};
    toolkit::Button C_bdw_chu_cls{"清"};
    toolkit::ButtonArray C_zuobian_sha_heiwei{"C_zuobian_sha_heiwei", toolkit::plainCaptions(0, 9)};
    toolkit::Button C_zuobian_sha_heiwei_cls{"清"};
    toolkit::ButtonArray C_sha_hezhi{"C_sha_hezhi", toolkit::plainCaptions(15, 45)};
    toolkit::Button C_zuobian_sha_zhidinghezhi_cls{"清"};
    toolkit::Button C_zuobian_sha_zhidinghezhi_all{"全"};
    toolkit::ButtonArray C_kuadu_sha{"C_kuadu_sha", toolkit::plainCaptions(4, 10)};
    toolkit::Button C_kuadu_sha_cls{"清"};
    toolkit::ButtonArray C_jiange{"C_jiange", toolkit::twoDigitCaptions(1, 11)};
    toolkit::Button C_jianju_cls{"清"};
    toolkit::ButtonArray C_sha_xingtai_01{"C_sha_xingtai_01", engine::any5RunCaptions()};

    // Puts the sum-tail, sum, span, spacing, kill-number and consecutive
    // stages into their slots.

private:
    void clickSpacing(std::size_t index);

    toolkit::Host& m_host;
};

}  // namespace any5
