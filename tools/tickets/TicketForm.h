#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "reducer/PlayTable.h"
#include "reducer/Reducer.h"
#include "toolkit/Button.h"
#include "toolkit/Docking.h"
#include "toolkit/Timer.h"
#include "toolkit/Window.h"
#include "tools/tickets/TicketTable.h"

namespace toolkit {
class Host;
}

namespace tickets {

// What the window reads of its main window: whether the result shows bets or
// groups, the published result, and how it is copied.
struct Source {
    std::function<reducer::SurvivorKind()> kind;
    std::function<std::string()> resultText;
    std::function<char()> separator;  // ',' when the result's comma option is ticked
    // Asks for the result's record over past draws ("过去 100 期，中奖号落在
    // 缩水结果里 3 期", or "" with no history); the answer comes later, on
    // the user-interface thread. May be empty.
    std::function<void(std::function<void(std::string)> answer)> record;
};

// Solving threads at work: the windows' runs, and those a window asked to
// stop and left to end on their own. A program leaving while any is must not
// destroy what they may touch.
int runningSolvers();

// Fbaozhong, "保中缩票": for the published result, the fewest tickets of each
// play that still win whenever the draw is one of its bets. The solver works
// on a thread of its own, play after play, and the window takes its news on
// its timer's tick: progress, each play's tickets as they come. "停止" ends the
// run keeping the best found; a new result of the main window marks the
// tickets stale. Nothing waits for the thread: a new run or the window's end
// asks it to stop and leaves it to finish on what it owns. A play whose solve
// fails tells why in its row and the next one goes on.
class TicketForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "保中缩票";
    static constexpr double kDefaultTimeLimit = 3;
    // The past draws the header line speaks of.
    static constexpr int kRecordDraws = 100;

    TicketForm(Source source, toolkit::Host& host, const toolkit::Window& mainWindow);
    ~TicketForm() override;

    toolkit::Button C_jisuan{"计算"};
    toolkit::Button C_tingzhi{"停止"};
    toolkit::Button C_fuzhi{"复制所选玩法的票"};
    toolkit::Timer Timer1{100};  // takes the solver's news

    // The solver's run over every play (TicketForm.cpp).
    struct Run;

    using Row = PlayRow;

    // Solves one play: reducer::reduce unless told otherwise.
    using Solve = std::function<reducer::ReduceResult(const reducer::Survivors&, reducer::Play,
                                                      const reducer::Options&)>;
    void setSolver(Solve solve) { m_solve = std::move(solve); }

    // Seconds each play may take (at least a tenth of a second).
    void setTimeLimit(double seconds) { m_timeLimit = seconds; }
    double timeLimit() const { return m_timeLimit; }
    void start();
    void stop();
    bool isRunning() const;
    const std::vector<Row>& rows() const { return m_rows; }
    // One line above the table: how many survivors, the run's state, stale.
    const std::string& status() const { return m_status; }
    // The published result's record over past draws, once known; "" without
    // a history.
    const std::string& record() const { return m_record; }
    // The result changed since the tickets were computed.
    bool isStale() const;
    TicketTable table() const { return ticketTable(m_rows); }
    const Source& source() const { return m_source; }

    int chosenRow() const { return m_chosen; }
    void chooseRow(int row);
    // What heads the chosen row's tickets: "任选四 12 注，24 元", and once
    // copied "（已复制 12 注）".
    std::string chosenHeading() const;
    // The chosen row's tickets, one a line, CR LF between them, as the
    // result is written (numbers joined by a blank, or by commas).
    std::string chosenTickets() const;

    // Takes the solver's news; the view's listener runs when anything changed.
    void poll();
    void setChangeListener(std::function<void()> listener) { m_onChange = std::move(listener); }

private:
    void onLoad() override;
    void copy();
    void updateStatus();
    void changed();

    Source m_source;
    toolkit::Host& m_host;
    toolkit::Docking m_docking;
    double m_timeLimit = kDefaultTimeLimit;
    Solve m_solve = reducer::reduce;
    std::unique_ptr<Run> m_run;
    int m_seenVersion = -1;
    bool m_isDone = true;
    bool m_wasStale = false;
    std::vector<Row> m_rows;
    std::string m_resultSolved;
    int m_survivorCount = 0;
    int m_chosen = -1;
    std::string m_copied;
    std::string m_record;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // answers run while it lives
    std::string m_status;
    std::function<void()> m_onChange;
};

}  // namespace tickets
