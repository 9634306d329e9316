#pragma once

#include <QImage>
#include <string>

#include "app/qt/SideWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace trend {
class TrendForm;
}

namespace gui {

class TrendHeader;
class TrendRowModel;
class TrendStatsModel;

// F_zoushi, "走势图", on screen: the period and 显示遗漏 over the draws, one
// row each, oldest at the top and scrolled to the newest; the five
// statistics rows below them stay in view and scroll sideways with them. A
// click on a value's header presses the main window's button, a right click
// on a number's header offers its menu; the chart follows every change of
// the main window's settings and of the draws.
class TrendWindow final : public SideWindow {
    Q_OBJECT
public:
    static constexpr int kMostPictureRows = 2000;

    TrendWindow(trend::TrendForm& form, QWidget* mainWindow);
    ~TrendWindow() override;

    // The whole chart, every row of the period, as one picture.
    QImage picture() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void follow();
    void takeChart();
    void exportPicture();
    void showNumberMenu(const QPoint& at);

    trend::TrendForm& m_form;
    QComboBox* m_period = nullptr;
    QCheckBox* m_skips = nullptr;
    QLabel* m_window = nullptr;
    QLabel* m_status = nullptr;
    TrendRowModel* m_rows = nullptr;
    TrendStatsModel* m_statsModel = nullptr;
    TrendHeader* m_header = nullptr;
    QTableView* m_table = nullptr;
    QTableView* m_stats = nullptr;
    int m_shownRevision = -1;
    std::string m_shownSettings;
};

}  // namespace gui
