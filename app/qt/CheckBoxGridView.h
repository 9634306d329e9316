#pragma once

#include <QWidget>
#include <deque>

namespace toolkit {
class CheckBox;
}

namespace gui {

// A grid of check boxes in index order, inside a container named, for
// screen readers, with the panel's label.
class CheckBoxGridView final : public QWidget {
    Q_OBJECT
public:
    CheckBoxGridView(const QString& label, std::deque<toolkit::CheckBox>& boxes, int columns,
                     const QString& objectPrefix, QWidget* parent = nullptr);
};

}  // namespace gui
