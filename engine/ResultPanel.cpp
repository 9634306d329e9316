#include "engine/ResultPanel.h"

#include <algorithm>
#include <utility>

#include "engine/Money.h"

namespace engine {

ResultPanel::ResultPanel(std::string copyCaption, std::string commaCaption)
    : Check_out_douhao(std::move(commaCaption)), C_copy(std::move(copyCaption)) {
    T_dd_by.setText({});
    T_jindutiao[0].setWidth(kProgressTrackWidth);
    T_jindutiao[1].setWidth(kProgressTrackWidth);
    N_rongcuo_min.setChangeHandler([this] {
        if (N_rongcuo_max.value() < N_rongcuo_min.value())
            N_rongcuo_max.setValue(N_rongcuo_min.value());
    });
    N_rongcuo_max.setChangeHandler([this] {
        if (N_rongcuo_min.value() > N_rongcuo_max.value())
            N_rongcuo_min.setValue(N_rongcuo_max.value());
    });
}

void ResultPanel::setToleranceLimit(int conditions) {
    m_takingPart = conditions;
    N_rongcuo_min.setRange(0, std::max(conditions, 1));
    N_rongcuo_max.setRange(0, std::max(conditions, 1));
}

void ResultPanel::setRunTolerance(const Tolerance& tolerance) {
    m_runTolerance = tolerance;
    m_runKey = m_conditionsKey ? m_conditionsKey() : std::string();
    m_runIsMissing = m_isMissing && m_isMissing();
}

void ResultPanel::show(Publication publication) {
    const auto count = publication.lines.size();
    ResultText = std::move(publication.text);
    Li_out.assign(std::move(publication.lines));
    T_dd_by.setText(ResultText);
    std::string caption = std::to_string(count);
    if (!m_runTolerance.isPlain()) {
        caption += "  容错 " + std::to_string(m_runTolerance.min) + "-" +
                   std::to_string(m_runTolerance.max);
        if (m_runTolerance.min > m_takingPart) {
            caption += "（参与容错的条件只有 " + std::to_string(m_takingPart) + " 个）";
        }
    }
    if (m_runIsMissing) caption += kMissingMark;
    m_countCaption = std::move(caption);
    m_publishedKey = m_runKey;
    m_unit = std::move(publication.unit);
    m_hasPublished = true;
    m_isStale = false;
    updateCount();
    L_jine.setCaption(costText(static_cast<long long>(count), m_unit));
}

bool ResultPanel::isStale() const {
    return m_hasPublished && m_conditionsKey && m_conditionsKey() != m_publishedKey;
}

bool ResultPanel::refreshStaleness() {
    const bool stale = isStale();
    if (stale == m_isStale) return false;
    m_isStale = stale;
    updateCount();
    return true;
}

void ResultPanel::updateCount() {
    dadi_zhushu.setCaption(m_isStale ? m_countCaption + kStaleMark : m_countCaption);
}

void ResultPanel::setProgress(double fraction) {
    T_jindutiao[1].setWidth(static_cast<int>(fraction * T_jindutiao[0].width() + 0.5));
}

}  // namespace engine
