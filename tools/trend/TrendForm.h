#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/Draw.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/Docking.h"
#include "toolkit/Window.h"
#include "tools/trend/Chart.h"

namespace toolkit {
class Host;
}

namespace trend {

// What the chart reads of its main window: the draws of the lottery chosen in
// 开奖历史 (newest first) and how often they changed, the 大号 option, and the
// buttons its clicks press, exactly as the player's clicks would.
struct Links {
    Edition edition = Edition::Any5;
    std::function<const std::vector<history::Draw>&()> draws;
    std::function<int()> drawsRevision;
    std::function<int()> bigFrom;
    // The main window's count row of a block, whose button k is value k; none
    // for a block without one (front-3 质号个数, 和值).
    std::function<toolkit::ButtonArray*(const std::string& block)> rowOf;
    toolkit::ButtonArray* killNumbers = nullptr;  // 通杀码, button n-1 yellow
    std::vector<toolkit::ButtonArray*> bankers;   // 胆码1 …, button n-1 green
    // front-3 前三定位杀: row p holds buttons p*11 .. p*11+10, found by caption.
    toolkit::ButtonArray* positionKill = nullptr;
};

// F_zoushi, "走势图": the chart of the chosen lottery over a period of its
// newest draws, whose value headers and number headers set the main window's
// conditions.
class TrendForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "走势图";
    static constexpr std::array<int, 5> kPeriods = {30, 50, 100, 200, 0};  // 0: 全部
    static constexpr int kDefaultPeriod = 50;

    TrendForm(Links links, toolkit::Host& host, const toolkit::Window& mainWindow);

    // The chart of the draws as they stand, computed again only when they, the
    // period or the 大号 option changed.
    const Chart& chart() const { return *sharedChart(); }
    // The same, for a view that keeps the chart it shows until it takes another.
    std::shared_ptr<const Chart> sharedChart() const;
    // Goes up whenever chart() would give another chart.
    int revision() const;
    int period() const { return m_period; }
    void setPeriod(int draws);
    bool showsSkips() const { return m_showsSkips; }
    void setShowsSkips(bool shows) { m_showsSkips = shows; }

    // A click on a value's header: presses the matching button of the main
    // window's row; false for a column without one.
    bool pressValue(int column);
    bool hasRow(int column) const;
    // The main window's setting of the column: its value green in the row,
    // its number a kill number or a banker.
    bool isChosen(int column) const;
    // A key of every setting the chart shows: it changes when one does.
    std::string settingsKey() const;

    // A right click on a number's header: each entry toggles, as the button
    // it names would.
    struct MenuItem {
        std::string caption;
        bool isChecked = false;
        std::function<void()> toggle;
    };
    std::vector<MenuItem> numberMenu(int column);

    // Asks for a file and writes every row and column shown as CSV; the
    // status says how it went.
    void exportCsv();
    // The file a picture goes to, asked of the player; "" when he cancels.
    std::string choosePictureFile();
    const std::string& status() const { return m_status; }
    void say(std::string status) { m_status = std::move(status); }

private:
    void onLoad() override { m_docking.place(); }
    std::size_t positionButton(int position, int number) const;

    Links m_links;
    toolkit::Host& m_host;
    toolkit::Docking m_docking;
    int m_period = kDefaultPeriod;
    bool m_showsSkips = true;
    std::string m_status;
    mutable std::shared_ptr<const Chart> m_chart;
    mutable std::array<int, 3> m_chartKey{};
    mutable int m_revision = 0;
};

}  // namespace trend
