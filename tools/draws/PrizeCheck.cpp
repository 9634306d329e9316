#include "tools/draws/PrizeCheck.h"

#include "tools/draws/DrawList.h"
#include "tools/draws/PastDraws.h"
#include "tools/draws/StatusLine.h"

namespace draws {

PrizeCheck::PrizeCheck(const Edition& edition, StatusLine& status, const DrawList& list)
    : m_edition(edition), m_status(status), m_list(list) {}

void PrizeCheck::checkTyped(std::string_view text) {
    std::string error;
    const auto draw = readTypedDraw(m_edition, text, error);
    m_result = error.empty() ? checkText(m_edition, draw) : error;
    m_status.changed();
}

void PrizeCheck::checkNewest() {
    const auto& drawn = m_list.draws();
    m_result = drawn.empty()
                   ? "没有开奖号：请先导入开奖历史"
                   : drawn.front().issue + " 期  " + checkText(m_edition, drawn.front().numbers);
    m_status.changed();
}

}  // namespace draws
