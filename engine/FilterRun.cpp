#include "engine/FilterRun.h"

#include "toolkit/Host.h"

namespace engine {

FilterRun::FilterRun(Steps steps, TableGuard& guard, ResultPanel& result, toolkit::Host& host)
    : m_steps(std::move(steps)), m_guard(guard), m_result(result), m_host(host) {}

void FilterRun::press() {
    pressThen({});
}

void FilterRun::pressThen(std::function<Publication(char)> republish) {
    if (m_isRunning) return;
    m_isRunning = true;
    m_result.C_guolv_ks.setEnabled(false);
    m_guard.runExclusive([this, republish = std::move(republish)] { run(republish); });
}

void FilterRun::run(const std::function<Publication(char)>& republish) {
    m_result.setProgress(0.001);
    m_lastFailure.reset();
    try {
        m_steps.generate([this] { m_host.yield(); });
        m_steps.applyStages();
        Publication direct = m_steps.publish(m_result.separator());
        // The second publication is built before anything is shown, so a
        // failure in it leaves the previous result whole too.
        if (republish) {
            Publication grouped = republish(m_result.separator());
            m_result.show(std::move(direct));
            m_result.show(std::move(grouped));
        } else {
            m_result.show(std::move(direct));
        }
    } catch (...) {
        m_lastFailure = kFailedText;
    }
    m_isRunning = false;
    if (m_lastFailure) {
        m_result.C_guolv_ks.setEnabled(true);
        m_host.showMessage(*m_lastFailure, kFailedTitle);
        return;
    }
    if (m_afterPublish) m_afterPublish();
    if (m_steps.warnWhenNothingLeft && m_result.count() == 0)
        m_host.showMessage(kNothingLeftText, kNothingLeftTitle);
    m_result.setProgress(1.0);
    m_result.C_guolv_ks.setEnabled(true);
}

}  // namespace engine
