#pragma once

#include <functional>

#include "toolkit/Listener.h"

namespace toolkit {

// A timer on the user-interface thread. The view (or a test) calls tick() when
// the interval has passed; a disabled timer ignores ticks.
class Timer {
public:
    explicit Timer(int intervalMs = 0, bool enabled = false)
        : m_intervalMs(intervalMs), m_enabled(enabled) {}

    int intervalMs() const { return m_intervalMs; }
    void setIntervalMs(int intervalMs);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    void setTickHandler(std::function<void()> handler) { m_onTick = std::move(handler); }
    void tick() {
        if (m_enabled && m_onTick) m_onTick();
    }

    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    int m_intervalMs = 0;
    bool m_enabled = false;
    std::function<void()> m_onTick;
    Listener m_view;
};

}  // namespace toolkit
