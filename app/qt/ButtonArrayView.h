#pragma once

#include <QGroupBox>

namespace toolkit {
class ButtonArray;
}

namespace gui {

// A panel of like buttons in a grid, inside a box titled (and, for screen
// readers, named) with the panel's label, so that "01" of one panel differs
// from "01" of another. Buttons are laid out in index order unless an order of
// indexes is given.
class ButtonArrayView final : public QGroupBox {
    Q_OBJECT
public:
    ButtonArrayView(const QString& label, toolkit::ButtonArray& array, int columns,
                    QWidget* parent = nullptr);
    ButtonArrayView(const QString& label, toolkit::ButtonArray& array, int columns,
                    const std::vector<std::size_t>& screenOrder, QWidget* parent = nullptr);
};

}  // namespace gui
