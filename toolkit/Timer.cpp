#include "toolkit/Timer.h"

namespace toolkit {

void Timer::setIntervalMs(int intervalMs) {
    m_intervalMs = intervalMs;
    m_view.notify();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    m_view.notify();
}

}  // namespace toolkit
