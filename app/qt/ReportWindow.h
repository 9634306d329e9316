#pragma once

#include "app/qt/SideWindow.h"

namespace report {
class ReportForm;
}

namespace gui {

class ReportTableModel;

// Ftongji, "条件统计", on screen: one row per active condition with what it
// strikes and its 参与容错 tick, a totals row, the 容错 line, and 查注. It
// follows every change of the conditions by itself: whenever the event loop
// has run out of work, the report refreshes if anything changed, so several
// changes at once give one refresh.
class ReportWindow final : public SideWindow {
    Q_OBJECT
public:
    ReportWindow(report::ReportForm& form, QWidget* mainWindow);
    ~ReportWindow() override;

private:
    report::ReportForm& m_form;
    ReportTableModel* m_model = nullptr;
};

}  // namespace gui
