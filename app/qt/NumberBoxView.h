#pragma once

#include <QSpinBox>

namespace toolkit {
class NumberBox;
}

namespace gui {

// A spin box showing a toolkit::NumberBox: its value and range. Whatever sets
// the value (a click on the arrows, a key, a screen reader) sets the control.
class NumberBoxView final : public QSpinBox {
    Q_OBJECT
public:
    NumberBoxView(toolkit::NumberBox& box, QWidget* parent = nullptr);
    ~NumberBoxView() override;

private:
    void sync();

    toolkit::NumberBox& m_box;
};

}  // namespace gui
