#pragma once

#include <QCheckBox>

namespace toolkit {
class CheckBox;
}

namespace gui {

// A check box showing a toolkit::CheckBox; a click by the user sets the
// control, which raises its click event.
class CheckBoxView final : public QCheckBox {
    Q_OBJECT
public:
    CheckBoxView(toolkit::CheckBox& box, QWidget* parent = nullptr);
    ~CheckBoxView() override;

private:
    void sync();

    toolkit::CheckBox& m_box;
};

}  // namespace gui
