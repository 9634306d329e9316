#pragma once

#include <QSize>
#include <QWidget>
#include <vector>

namespace toolkit {
class ButtonArray;
}

namespace gui {

// A grid of like buttons inside a container named, for screen readers, with
// the panel's label, so that "01" of one panel differs from "01" of another.
// Buttons are laid out in index order unless a screen order of indexes is
// given; every button gets the same size so captions line up.
class ButtonArrayView final : public QWidget {
    Q_OBJECT
public:
    struct Layout {
        int columns = 11;
        QSize buttonSize{26, 24};
        std::vector<std::size_t> screenOrder{};  // empty: index order
    };

    ButtonArrayView(const QString& label, toolkit::ButtonArray& array, const Layout& layout,
                    QWidget* parent = nullptr);
};

}  // namespace gui
