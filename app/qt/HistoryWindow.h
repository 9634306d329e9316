#pragma once

#include "app/qt/SideWindow.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QProgressBar;
class QScrollArea;
class QSplitter;
class QTableView;

namespace draws {
class HistoryForm;
}

namespace gui {

class BacktestTableModel;
class DrawTableModel;

// Flishi, "开奖历史", on screen: the lottery chooser, its draws newest first
// with import, paste, export and delete; the 回测 tab with its table, the
// paired bars of each condition's two shares (a row of its own for each,
// scrolled when many) and the strip of the draws, which names its first and
// last issue and tells the one under the mouse; and the 对奖 line under
// both, which stays in view.
class HistoryWindow final : public SideWindow {
    Q_OBJECT
public:
    HistoryWindow(draws::HistoryForm& form, QWidget* mainWindow);
    ~HistoryWindow() override;

private:
    QWidget* drawsTab();
    QWidget* backtestTab();
    void refresh();
    void fillLotteries();
    void fillBacktest();
    void fitBacktestTable();
    void showPeriodNote();
    QString stripTip(double x) const;
    void deleteSelected();

    draws::HistoryForm& m_form;
    QComboBox* m_lotteries = nullptr;
    QLineEdit* m_newLottery = nullptr;
    DrawTableModel* m_drawModel = nullptr;
    QTableView* m_draws = nullptr;
    QLabel* m_drawCount = nullptr;
    QLabel* m_untested = nullptr;
    QPlainTextEdit* m_paste = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QSpinBox* m_backtestCount = nullptr;
    QLabel* m_periodNote = nullptr;
    BacktestTableModel* m_backtestModel = nullptr;
    QTableView* m_backtestTable = nullptr;
    QLabel* m_backtestSummary = nullptr;
    QSplitter* m_backtestSplit = nullptr;
    QScrollArea* m_sharesArea = nullptr;
    QChartView* m_shares = nullptr;
    QChartView* m_strip = nullptr;
    QLabel* m_oldestIssue = nullptr;
    QLabel* m_newestIssue = nullptr;
    QLineEdit* m_typedDraw = nullptr;
    QLabel* m_check = nullptr;
    bool m_isFilling = false;
    int m_shownList = -1;
    int m_shownBacktest = -1;
};

}  // namespace gui
