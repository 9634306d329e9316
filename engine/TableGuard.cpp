#include "engine/TableGuard.h"

#include <utility>

namespace engine {

void TableGuard::runExclusive(std::function<void()> operation) {
    m_waiting.push_back(std::move(operation));
    if (m_busy) return;  // the holder runs it when it is done
    while (!m_waiting.empty()) {
        auto next = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_busy = true;
        try {
            next();
        } catch (...) {
            m_busy = false;
            throw;
        }
        m_busy = false;
    }
}

}  // namespace engine
