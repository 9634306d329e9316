#include "app/qt/TimerBinding.h"

#include "toolkit/Timer.h"

namespace gui {

TimerBinding::TimerBinding(toolkit::Timer& timer, QObject* parent)
    : QObject(parent), m_timer(timer) {
    connect(&m_qtimer, &QTimer::timeout, this, [this] { m_timer.tick(); });
    m_timer.setViewListener([this] { sync(); });
    sync();
}

TimerBinding::~TimerBinding() {
    m_timer.setViewListener({});
}

void TimerBinding::sync() {
    if (m_timer.isEnabled() && m_timer.intervalMs() > 0) {
        if (!m_qtimer.isActive() || m_qtimer.interval() != m_timer.intervalMs())
            m_qtimer.start(m_timer.intervalMs());
    } else {
        m_qtimer.stop();
    }
}

}  // namespace gui
