#pragma once

#include "app/qt/SideWindow.h"

class QTableWidget;

namespace compare {
class CompareForm;
}

namespace gui {

// F_duibi, "方案对比", on screen: a row per condition set in either (条件,
// 当前, 方案, 比较), the counts of the bets the results share or not, a copy
// button for each part and 用方案替换.
class CompareWindow final : public SideWindow {
    Q_OBJECT
public:
    CompareWindow(compare::CompareForm& form, QWidget* mainWindow);
    ~CompareWindow() override;

private:
    void fill();

    compare::CompareForm& m_form;
    QTableWidget* m_table = nullptr;
};

}  // namespace gui
