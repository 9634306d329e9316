#include "engine/FilterRun.h"

#include "app/toolkit/Host.h"

namespace engine {

FilterRun::FilterRun(CandidateTable& table, TableGuard& guard,
                     const Pipeline<CandidateTable>& pipeline, ResultPanel& result,
                     toolkit::Host& host)
    : m_table(table), m_guard(guard), m_pipeline(pipeline), m_result(result), m_host(host) {}

void FilterRun::press() {
    m_result.C_guolv_ks.setEnabled(false);
    m_guard.runExclusive([this] { run(); });
}

// The published controls are written only after every stage has finished, so
// a stage that fails leaves the previous result whole.
void FilterRun::run() {
    m_result.setProgress(0.001);
    bool failed = false;
    try {
        m_table.generate([this] { m_host.yield(); });
        m_pipeline.apply(m_table);
        m_result.show(publishAlive(m_table, m_result.separator()));
    } catch (...) {
        failed = true;
    }
    if (failed) {
        m_result.C_guolv_ks.setEnabled(true);
        m_host.showMessage(kFailedText, kFailedTitle);
        return;
    }
    if (m_result.count() == 0) m_host.showMessage(kNothingLeftText, kNothingLeftTitle);
    m_result.setProgress(1.0);
    m_result.C_guolv_ks.setEnabled(true);
}

}  // namespace engine
