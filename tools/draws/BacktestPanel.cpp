#include "tools/draws/BacktestPanel.h"

#include <algorithm>

#include "tools/draws/DrawList.h"
#include "tools/draws/PastDraws.h"
#include "tools/draws/StatusLine.h"

namespace draws {

BacktestPanel::BacktestPanel(const Edition& edition, StatusLine& status, const DrawList& list)
    : m_edition(edition), m_status(status), m_list(list) {}

void BacktestPanel::run(int count) {
    ++m_revision;
    const auto& drawn = m_list.draws();
    if (drawn.empty()) {
        m_backtest.reset();
        m_status.say("没有开奖号可回测：请先导入开奖历史");
        return;
    }
    const std::size_t last =
        count > 0 ? std::min(drawn.size(), static_cast<std::size_t>(count)) : drawn.size();
    m_backtest = backtestOf(m_edition, drawn, static_cast<int>(last));
    m_status.say("回测了最近 " + std::to_string(last) + " 期");
}

void BacktestPanel::end() {
    if (!m_backtest) return;
    ++m_revision;
    m_backtest.reset();
}

}  // namespace draws
