#pragma once

#include <optional>

#include "engine/Backtest.h"

namespace draws {

class DrawList;
class StatusLine;
struct Edition;

// 回测: the main window's conditions as they stand, tried on the newest of
// the listed draws. It speaks of the draws it was run on: new or deleted
// draws end it.
class BacktestPanel {
public:
    static constexpr int kDefaultDraws = 100;

    BacktestPanel(const Edition& edition, StatusLine& status, const DrawList& list);

    // Over the newest `count` draws (all for 0 or less).
    void run(int count);
    void end();
    const std::optional<engine::Backtest>& backtest() const { return m_backtest; }
    // Counts the back-tests run and ended, for the view.
    int revision() const { return m_revision; }

private:
    const Edition& m_edition;
    StatusLine& m_status;
    const DrawList& m_list;
    std::optional<engine::Backtest> m_backtest;
    int m_revision = 0;
};

}  // namespace draws
