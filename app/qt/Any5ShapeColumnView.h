#pragma once

#include <QWidget>

namespace any5 {
class MainForm;
}

namespace gui {

// The middle column of the any-5 window: sum tail, sum, span, smallest and
// largest number, spacing, the count frame and the consecutive patterns.
class Any5ShapeColumnView final : public QWidget {
    Q_OBJECT
public:
    explicit Any5ShapeColumnView(any5::MainForm& form, QWidget* parent = nullptr);
};

}  // namespace gui
