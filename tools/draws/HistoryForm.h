#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Backtest.h"
#include "history/Draw.h"
#include "toolkit/Timer.h"
#include "toolkit/Window.h"
#include "tools/draws/Edition.h"

namespace history {
class HistoryStore;
}
namespace toolkit {
class Host;
}

namespace draws {

// Flishi, "开奖历史": the lotteries of the kept history and the draws of the
// chosen one, newest first; import from a pasted text or a file, export to
// CSV, deletion (asked first); the back-test of the main window's conditions
// on the newest draws; and the prize check of its result against a draw.
// The history file opens when the window first needs it; when it cannot be
// used, the window says why in its status line and the program goes on.
class HistoryForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "开奖历史";
    static constexpr int kDefaultBacktestDraws = 100;
    static constexpr const char* kCsvFilter = "CSV 文件 (*.csv)";
    static constexpr const char* kDrawFileFilter = "开奖号文件 (*.txt *.csv);;所有文件 (*)";

    HistoryForm(Edition edition, toolkit::Host& host, const toolkit::Window& mainWindow);
    ~HistoryForm() override;

    toolkit::Timer Timer1{100};  // keeps the window docked

    // The history file; taken before the window first opens it.
    void setDatabasePath(std::string path) { m_path = std::move(path); }
    const std::string& databasePath() const { return m_path; }

    // The last message: an import summary, a fault of the file, a deletion.
    const std::string& status() const { return m_status; }
    bool hasHistory();
    std::vector<std::string> lotteries();
    const std::string& lottery() const { return m_lottery; }
    void chooseLottery(const std::string& name);
    // Adds a lottery and chooses it; false (and the status says why) when the
    // name is empty or the file cannot save.
    bool addLottery(const std::string& name);
    // The chosen lottery's draws, newest first.
    const std::vector<history::Draw>& draws() const { return m_draws; }

    void importText(std::string_view text);
    void importFile();
    void exportFile();
    // Asks first; nothing happens on 否.
    void deleteDraws(const std::vector<std::string>& issues);

    // 回测 over the newest `count` draws (all for 0 or less).
    void runBacktest(int count);
    const std::optional<engine::Backtest>& backtest() const { return m_backtest; }

    // 对奖: the result against a typed draw, or the chosen lottery's newest.
    void checkTyped(std::string_view text);
    void checkNewest();
    const std::string& checkResult() const { return m_check; }

    // The newest `count` draws of the chosen lottery (the first one when none
    // is chosen yet), newest first, each as "03 07 01 11 05"; fewer when it
    // has fewer, and none with the reason in `why` when there is no history.
    std::vector<std::string> newestDrawTexts(int count, std::string& why);

    const Edition& edition() const { return m_edition; }

    // Counts the changes of the lotteries, the draws and the back-test, so
    // that a view redraws its tables only when they changed.
    int revision() const { return m_revision; }

    // The view redraws.
    void setChangeListener(std::function<void()> listener) { m_onChange = std::move(listener); }

private:
    void onLoad() override;
    void dock();
    history::HistoryStore* store();
    void reloadDraws();
    void changed();

    Edition m_edition;
    toolkit::Host& m_host;
    const toolkit::Window& m_main;
    std::string m_path;
    std::unique_ptr<history::HistoryStore> m_store;
    std::string m_lottery;
    std::vector<history::Draw> m_draws;
    std::string m_status;
    std::optional<engine::Backtest> m_backtest;
    std::string m_check;
    std::function<void()> m_onChange;
    int m_revision = 0;
};

}  // namespace draws
