#pragma once

#include <QWidget>

#include "app/qt/TimerBinding.h"

namespace any5 {
class ParityPicker;
}

namespace gui {

// Fjo on screen: a top-level window beside the main window showing the 32
// arrangement boxes in their labelled groups. It is shown while the picker is
// loaded, follows the picker's docked geometry, and closing it unloads the
// picker.
class ParityPickerWindow final : public QWidget {
    Q_OBJECT
public:
    ParityPickerWindow(any5::ParityPicker& picker, QWidget* mainWindow);
    ~ParityPickerWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void sync();

    any5::ParityPicker& m_picker;
    TimerBinding m_restore;
    TimerBinding m_dock;
};

}  // namespace gui
