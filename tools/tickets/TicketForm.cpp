#include "tools/tickets/TicketForm.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <stop_token>
#include <system_error>
#include <thread>

#include "engine/Money.h"
#include "engine/ResultCopy.h"
#include "reducer/Survivors.h"
#include "reducer/Ticket.h"
#include "toolkit/Host.h"

namespace tickets {

// One run of the solver over every play: what it has found so far, which the
// thread writes and the window copies under the lock. The thread co-owns the
// state and owns its input, so it never waits for the window nor the window
// for it.
struct TicketForm::Run {
    struct State {
        std::mutex mutex;
        std::vector<Row> rows;
        int version = 0;
        bool isDone = false;
    };
    std::shared_ptr<State> state = std::make_shared<State>();
    std::stop_source stop;

    ~Run() { stop.request_stop(); }
};

namespace {

std::atomic<int> solversAtWork{0};

std::string failureNote(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return std::string("计算出错：") + error.what();
    } catch (...) {
        return "计算出错：未知错误";
    }
}

void solveEveryPlay(std::stop_token stop, std::shared_ptr<TicketForm::Run::State> state,
                    reducer::Survivors survivors, std::vector<reducer::PlayInfo> plays,
                    double timeLimit, TicketForm::Solve solve) {
    const auto update = [&state](auto&& change) {
        const std::lock_guard lock(state->mutex);
        change(state->rows);
        ++state->version;
    };
    for (std::size_t i = 0; i < plays.size(); ++i) {
        if (stop.stop_requested()) {
            update([i](auto& rows) { rows[i].note = "已停止"; });
            continue;
        }
        update([i](auto& rows) {
            rows[i].isSolving = true;
            rows[i].note = "计算中";
        });
        reducer::Options options;
        options.timeLimitSeconds = timeLimit;
        options.stop = stop;
        options.onProgress = [&update, i](const reducer::Progress& progress) {
            update([i, progress](auto& rows) { rows[i].progress = progress; });
        };
        reducer::ReduceResult result;
        try {
            result = solve(survivors, plays[i].play, options);
        } catch (...) {
            result = {std::nullopt, failureNote(std::current_exception())};
        }
        update([i, &result](auto& rows) {
            rows[i].isSolving = false;
            rows[i].note =
                result.reduction ? (result.reduction->wasStopped ? "已停止" : "") : result.error;
            rows[i].reduction = std::move(result.reduction);
        });
    }
    const std::lock_guard lock(state->mutex);
    state->isDone = true;
    ++state->version;
}

// The thread's whole life: nothing thrown leaves it.
void solveOnItsOwn(std::stop_token stop, std::shared_ptr<TicketForm::Run::State> state,
                   reducer::Survivors survivors, std::vector<reducer::PlayInfo> plays,
                   double timeLimit, TicketForm::Solve solve) {
    try {
        solveEveryPlay(stop, state, std::move(survivors), std::move(plays), timeLimit,
                       std::move(solve));
    } catch (...) {
        const std::lock_guard lock(state->mutex);
        for (auto& row : state->rows) {
            if (!row.reduction) {
                row.isSolving = false;
                row.note = failureNote(std::current_exception());
            }
        }
        state->isDone = true;
        ++state->version;
    }
    --solversAtWork;
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

}  // namespace

int runningSolvers() {
    return solversAtWork;
}

TicketForm::TicketForm(Source source, toolkit::Host& host, const toolkit::Window& mainWindow)
    : Window(kTitle), m_source(std::move(source)), m_host(host), m_docking(*this, mainWindow) {
    C_jisuan.setClickHandler([this] { start(); });
    C_tingzhi.setClickHandler([this] { stop(); });
    C_fuzhi.setClickHandler([this] { copy(); });
    addTimer(Timer1);
    Timer1.setTickHandler([this] { poll(); });
    // Nobody waits for tickets of a closed window.
    setUnloadHandler([this] { stop(); });
}

TicketForm::~TicketForm() = default;

void TicketForm::onLoad() {
    m_docking.place();
    Timer1.setEnabled(true);
    if (m_rows.empty() || isStale()) start();
    changed();
}

void TicketForm::start() {
    m_run.reset();  // asks the last run to stop, and leaves it to end on its own
    m_resultSolved = m_source.resultText();
    const reducer::SurvivorKind kind = m_source.kind();
    const reducer::Survivors survivors = reducer::survivorsOfText(m_resultSolved, kind);
    m_survivorCount = static_cast<int>(survivors.size());
    m_record.clear();
    if (m_source.record && m_survivorCount > 0) {
        m_source.record([this, alive = std::weak_ptr<int>(m_alive),
                         solved = m_resultSolved](std::string record) {
            if (alive.expired() || solved != m_resultSolved) return;
            m_record = std::move(record);
            changed();
        });
    }
    const auto plays = reducer::playsFor(kind);
    m_rows.clear();
    for (const auto& play : plays) m_rows.push_back({play, std::nullopt, kWaitingNote, false, {}});
    m_chosen = -1;
    m_seenVersion = -1;
    m_wasStale = false;
    if (survivors.size() == 0) {
        m_isDone = true;
        m_status = "没有可缩的号码：缩水结果为空，请先缩水";
        for (auto& row : m_rows) row.note = "";
        changed();
        return;
    }
    m_isDone = false;
    m_run = std::make_unique<Run>();
    m_run->state->rows = m_rows;
    ++solversAtWork;
    try {
        std::thread(solveOnItsOwn, m_run->stop.get_token(), m_run->state, survivors,
                    std::vector<reducer::PlayInfo>(plays.begin(), plays.end()),
                    std::max(0.1, m_timeLimit), m_solve)
            .detach();
    } catch (const std::system_error& error) {
        --solversAtWork;
        m_run.reset();
        m_isDone = true;
        for (auto& row : m_rows) row.note = std::string("无法开始计算：") + error.what();
        updateStatus();
        changed();
        return;
    }
    updateStatus();
    changed();
}

void TicketForm::stop() {
    if (m_run) m_run->stop.request_stop();
}

bool TicketForm::isRunning() const {
    return !m_isDone;
}

bool TicketForm::isStale() const {
    return !m_rows.empty() && m_source.resultText() != m_resultSolved;
}

void TicketForm::poll() {
    bool isChanged = false;
    if (m_run) {
        const std::lock_guard lock(m_run->state->mutex);
        if (m_run->state->version != m_seenVersion) {
            m_seenVersion = m_run->state->version;
            m_rows = m_run->state->rows;
            m_isDone = m_run->state->isDone;
            isChanged = true;
        }
    }
    const bool isStaleNow = isStale();
    if (isStaleNow != m_wasStale) {
        m_wasStale = isStaleNow;
        isChanged = true;
    }
    if (!isChanged) return;
    updateStatus();
    changed();
}

void TicketForm::updateStatus() {
    const bool isGroups = m_source.kind() == reducer::SurvivorKind::Groups;
    const std::string survivors = std::string(reducer::resultName(m_source.kind())) + " " +
                                  std::to_string(m_survivorCount) + (isGroups ? " 组" : " 注");
    int ended = 0;
    std::string solving;  // the play solving, and its best as its row says it
    bool wasStopped = false;
    for (const auto& row : m_rows) {
        if (row.isSolving) {
            const TicketTable table = ticketTable({row});
            const auto& cells = table.cells.front();
            solving = "：" + std::string(row.play.name);
            if (!cells[TicketTable::kCount].empty())
                solving +=
                    "，找到 " + cells[TicketTable::kCount] + " 注，" + cells[TicketTable::kProof];
            solving += "，已用 " + secondsText(row.progress.elapsedSeconds) + " 秒";
        } else if (row.note != kWaitingNote) {
            ++ended;
        }
        wasStopped = wasStopped || row.note == "已停止";
    }
    if (!m_isDone) {
        m_status = survivors + "：计算中 " + std::to_string(ended + 1) + "/" +
                   std::to_string(m_rows.size()) + solving;
    } else if (m_survivorCount > 0) {
        m_status = survivors + (wasStopped ? "：已停止，保留已找到的最好结果" : "：计算完成");
    }
    if (m_wasStale) m_status += "（缩水结果已变，这些票已过时，请重新计算）";
}

void TicketForm::chooseRow(int row) {
    m_chosen = row >= 0 && row < static_cast<int>(m_rows.size()) ? row : -1;
    m_copied.clear();
    changed();
}

std::string TicketForm::chosenHeading() const {
    if (m_chosen < 0) return {};
    const auto& row = m_rows[static_cast<std::size_t>(m_chosen)];
    if (!row.reduction) return std::string(row.play.name);
    return std::string(row.play.name) + " " + engine::costText(row.reduction->count()) + m_copied;
}

std::string TicketForm::chosenTickets() const {
    if (m_chosen < 0) return {};
    const auto& found = m_rows[static_cast<std::size_t>(m_chosen)].reduction;
    if (!found) return {};
    return reducer::publishTickets(found->tickets, m_source.separator()).text;
}

void TicketForm::copy() {
    if (m_chosen < 0 || !m_rows[static_cast<std::size_t>(m_chosen)].reduction) {
        m_host.showMessage("请先在表里选一种已算出的玩法", "提示");
        return;
    }
    engine::copyResult(chosenTickets(), m_host);
    m_copied = "（已复制 " +
               std::to_string(m_rows[static_cast<std::size_t>(m_chosen)].reduction->count()) +
               " 注）";
    changed();
}

void TicketForm::changed() {
    if (m_onChange) m_onChange();
}

}  // namespace tickets
