#pragma once

#include <deque>
#include <functional>

namespace engine {

// Keeps operations on the shared candidate table from interleaving. A filter
// run and an intersection-tool operation both regenerate and mark the table
// and both yield to the event loop on the way, so a click can arrive while the
// other holds it. Such an operation is not lost: it waits and runs, in the
// order asked, as soon as the table is free.
class TableGuard {
public:
    bool isBusy() const { return m_busy; }
    // Runs `operation` now if the table is free, otherwise once it is.
    // Operations report their own failures; one that throws frees the table
    // and its exception reaches the caller that started it.
    void runExclusive(std::function<void()> operation);
    std::size_t waitingCount() const { return m_waiting.size(); }

private:
    bool m_busy = false;
    std::deque<std::function<void()>> m_waiting;
};

}  // namespace engine
