#pragma once

#include <functional>
#include <string>
#include <vector>

#include "history/Draw.h"
#include "toolkit/Docking.h"
#include "toolkit/Window.h"
#include "tools/draws/BacktestPanel.h"
#include "tools/draws/DrawExport.h"
#include "tools/draws/DrawImport.h"
#include "tools/draws/DrawList.h"
#include "tools/draws/Edition.h"
#include "tools/draws/PrizeCheck.h"
#include "tools/draws/StatusLine.h"
#include "tools/draws/StoreWorker.h"

namespace toolkit {
class Host;
}

namespace draws {

// Flishi, "开奖历史": the window made of its parts, one job each — the list of
// lotteries and draws, import, export, 回测 and 对奖 — over one worker thread
// that alone touches the history file. The file opens when the window first
// needs it; when it cannot be used, the status line says why, the next call
// tries again, and the program goes on.
class HistoryForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "开奖历史";

    HistoryForm(Edition edition, toolkit::Host& host, const toolkit::Window& mainWindow);
    ~HistoryForm() override;

    // The history file; taken before the window first opens it.
    void setDatabasePath(std::string path) { m_worker.setPath(std::move(path)); }
    const std::string& databasePath() const { return m_worker.path(); }

    DrawList& drawList() { return m_list; }
    DrawImport& drawImport() { return m_import; }
    DrawExport& drawExport() { return m_export; }
    BacktestPanel& backtests() { return m_backtests; }
    PrizeCheck& prizeCheck() { return m_check; }
    const Edition& edition() const { return m_edition; }

    // The last message: an import summary, a fault of the file, a deletion.
    const std::string& status() const { return m_status.text(); }
    // "正在导入…" or "正在读取…" while the history file is at work, else "".
    std::string working() const;

    // The newest `count` draws of the chosen lottery (the first one when none
    // is chosen yet), newest first, each as "03 07 01 11 05", handed to
    // `answer` on the user-interface thread; none, with the reason, when
    // there is no history.
    using DrawTexts = std::function<void(std::vector<std::string> texts, std::string why)>;
    void newestDrawTexts(int count, DrawTexts answer);
    // The published result's record over the newest `count` draws:
    // "过去 100 期，中奖号落在缩水结果里 3 期", or "" without a history.
    void resultRecord(int count, std::function<void(std::string record)> answer);
    // The same draws as stored.
    using Draws = std::function<void(std::vector<history::Draw> draws, std::string why)>;
    void newestDraws(int count, Draws answer);

    // Reads the chosen lottery's draws now, as the window does when it opens:
    // the main window's rows read against past draws follow them.
    void follow() { m_list.read(); }
    // Runs whenever the listed draws change, after the window's own parts.
    void setDrawsFollower(std::function<void()> follower) { m_follower = std::move(follower); }

    // The view redraws.
    void setChangeListener(std::function<void()> listener) {
        m_status.setChangeListener(std::move(listener));
    }

private:
    void onLoad() override;

    Edition m_edition;
    toolkit::Docking m_docking;
    StatusLine m_status;
    StoreWorker m_worker;
    DrawList m_list;
    DrawImport m_import;
    DrawExport m_export;
    BacktestPanel m_backtests;
    PrizeCheck m_check;
    std::function<void()> m_follower;
};

}  // namespace draws
