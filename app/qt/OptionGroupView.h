#pragma once

#include <QWidget>

class QRadioButton;

namespace toolkit {
class OptionGroup;
}

namespace gui {

// A row of option buttons showing a toolkit::OptionGroup; a button checked
// by any means (mouse, keys, screen reader) chooses its item.
class OptionGroupView final : public QWidget {
    Q_OBJECT
public:
    OptionGroupView(toolkit::OptionGroup& group, QWidget* parent = nullptr);
    ~OptionGroupView() override;

private:
    void sync();

    toolkit::OptionGroup& m_group;
    std::vector<QRadioButton*> m_buttons;
};

}  // namespace gui
