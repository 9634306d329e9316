#pragma once

#include <functional>
#include <memory>
#include <string>

namespace history {
class HistoryStore;
}
namespace toolkit {
class Host;
}

namespace draws {

// The history file's own thread: every store call of the window runs there,
// one after another, and its answer comes back on the user-interface thread
// through Host::post, so that a file another program holds, or a long import,
// never stops the window. The thread starts with the first job and is never
// joined: on destruction it finishes the jobs queued (an import the player
// asked for is saved) on its own, and posts nothing more.
class StoreWorker {
public:
    // What a job sees on the worker thread.
    class Session {
    public:
        // The history file of the job's path; the store tries a file that
        // could not be used again at its next call.
        history::HistoryStore& store();
        // Runs `work` on the user-interface thread unless the worker is gone.
        void post(std::function<void()> work);

    private:
        friend class StoreWorker;
        struct State;
        explicit Session(std::shared_ptr<State> state) : m_state(std::move(state)) {}
        std::shared_ptr<State> m_state;
    };
    // Runs on the worker; returns what to run on the user-interface thread
    // with its answer.
    using Job = std::function<std::function<void()>(Session& session)>;

    explicit StoreWorker(toolkit::Host& host);
    ~StoreWorker();
    StoreWorker(const StoreWorker&) = delete;
    StoreWorker& operator=(const StoreWorker&) = delete;

    // The history file; taken by the jobs queued after it.
    void setPath(std::string path);
    const std::string& path() const { return m_path; }

    void submit(Job job);
    // Jobs queued or running whose answers have not come back yet.
    int pending() const { return m_pending; }

private:
    std::string m_path;
    std::shared_ptr<Session::State> m_state;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // answers run while it lives
    int m_pending = 0;
};

}  // namespace draws
