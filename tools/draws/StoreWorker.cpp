#include "tools/draws/StoreWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "history/HistoryStore.h"
#include "toolkit/Host.h"

namespace draws {

struct StoreWorker::Session::State {
    explicit State(toolkit::Host& h) : host(h) {}

    toolkit::Host& host;  // used only while `stopped` is false, under the lock
    std::mutex mutex;
    std::condition_variable woken;
    std::deque<std::pair<std::string, Job>> jobs;  // with the path each was queued for
    bool stopped = false;
    bool started = false;
    std::weak_ptr<int> alive;  // the worker's owner, checked on the user-interface thread
    // The worker thread's alone.
    std::string path;
    std::unique_ptr<history::HistoryStore> store;
};

// A file that could not be used is tried again by the store itself, on each
// call; a store is made anew only for another path.
history::HistoryStore& StoreWorker::Session::store() {
    State& state = *m_state;
    if (!state.store || state.store->path() != state.path)
        state.store = std::make_unique<history::HistoryStore>(state.path);
    return *state.store;
}

void StoreWorker::Session::post(std::function<void()> work) {
    const std::lock_guard lock(m_state->mutex);
    if (m_state->stopped) return;
    m_state->host.post([alive = m_state->alive, work = std::move(work)] {
        if (!alive.expired() && work) work();
    });
}

StoreWorker::StoreWorker(toolkit::Host& host) : m_state(std::make_shared<Session::State>(host)) {
    m_state->alive = m_alive;
}

StoreWorker::~StoreWorker() {
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->stopped = true;
    }
    m_state->woken.notify_all();
}

void StoreWorker::setPath(std::string path) {
    m_path = std::move(path);
}

void StoreWorker::submit(Job job) {
    ++m_pending;
    // The answer counts itself back on the user-interface thread, where
    // Session::post runs it only while this worker lives.
    Job counted = [this, job = std::move(job)](Session& session) {
        std::function<void()> answer = job(session);
        return std::function<void()>([this, answer = std::move(answer)] {
            --m_pending;
            if (answer) answer();
        });
    };
    bool start = false;
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->jobs.emplace_back(m_path, std::move(counted));
        start = !std::exchange(m_state->started, true);
    }
    m_state->woken.notify_one();
    if (!start) return;
    std::thread([state = m_state] {
        Session session(state);
        for (;;) {
            std::pair<std::string, Job> next;
            {
                std::unique_lock lock(state->mutex);
                state->woken.wait(lock,
                                  [&state] { return state->stopped || !state->jobs.empty(); });
                if (state->jobs.empty()) return;
                next = std::move(state->jobs.front());
                state->jobs.pop_front();
            }
            state->path = std::move(next.first);
            std::function<void()> answer = next.second(session);
            session.post(std::move(answer));
        }
    }).detach();
}

}  // namespace draws
