#pragma once

#include <QWidget>

namespace any5 {
class MainForm;
}

namespace gui {

// The tab strip of the any-5 window: seven tab buttons over seven pages, of
// which only the chosen one is visible.
class Any5TabAreaView final : public QWidget {
    Q_OBJECT
public:
    explicit Any5TabAreaView(any5::MainForm& form, QWidget* parent = nullptr);
};

}  // namespace gui
