#pragma once

#include <QDialog>

#include "app/qt/TimerBinding.h"

namespace toolkit {
class TipWindow;
}

namespace gui {

// The modal window for a toolkit::TipWindow; it closes when the tip unloads
// itself on its timer's first tick.
class TipDialog final : public QDialog {
    Q_OBJECT
public:
    TipDialog(toolkit::TipWindow& tip, QWidget* parent = nullptr);
    ~TipDialog() override;

    // Closed early (Escape, the close box), the tip unloads as on its timer.
    void done(int result) override;

private:
    toolkit::TipWindow& m_tip;
    TimerBinding m_timer;
};

}  // namespace gui
