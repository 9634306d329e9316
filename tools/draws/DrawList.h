#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "history/Draw.h"

namespace toolkit {
class Host;
}

namespace draws {

class StatusLine;
class StoreWorker;

// The kept lotteries and the chosen one's draws, newest first, as last read
// from the history file on the worker; adding a lottery and deleting draws.
// Each change is asked of the worker and shows when its answer comes back.
class DrawList {
public:
    using Draws = std::vector<history::Draw>;

    DrawList(StoreWorker& worker, StatusLine& status, toolkit::Host& host);

    // Reads the lotteries and the draws of the chosen one (the first when
    // none is chosen yet).
    void read() { readChoosing(m_lottery); }
    void choose(const std::string& name) { readChoosing(name); }
    // Adds a lottery and chooses it; `added` runs once it is saved. An empty
    // name or a file that cannot save says why in the status line.
    void add(const std::string& name, std::function<void()> added = {});
    // Asks first; nothing happens on 否.
    void remove(const std::vector<std::string>& issues);

    const std::vector<std::string>& lotteries() const { return m_lotteries; }
    const std::string& lottery() const { return m_lottery; }
    const Draws& draws() const { return *m_draws; }
    // The first issue missing between the draws ("2026120917"), or "": the
    // draw after it is compared with one that is not its real predecessor.
    const std::string& missingIssue() const { return m_missingIssue; }
    // The same draws, to hand to the worker without copying them.
    std::shared_ptr<const Draws> sharedDraws() const { return m_draws; }
    // Counts the changes of the lotteries and the draws, for the view.
    int revision() const { return m_revision; }
    // Runs when the draws changed (a back-test of the old ones ends).
    void setDrawsListener(std::function<void()> listener) { m_onDraws = std::move(listener); }

private:
    void readChoosing(std::string wanted);

    StoreWorker& m_worker;
    StatusLine& m_status;
    toolkit::Host& m_host;
    std::vector<std::string> m_lotteries;
    std::string m_lottery;
    std::shared_ptr<const Draws> m_draws = std::make_shared<const Draws>();
    std::string m_missingIssue;
    int m_revision = 0;
    std::function<void()> m_onDraws;
};

}  // namespace draws
