#pragma once

#include <QWidget>

namespace any5 {
class MainForm;
}

namespace gui {

class ResultColumnView;

// The any-5 main window. Its grid, planned for a 1366 x 768 screen: the tab
// strip of number-group pages top left, the banker and kill-number panels
// below it, the shape panels in the middle column, the result column right.
class Any5Window final : public QWidget {
    Q_OBJECT
public:
    // Room kept for the tab strip and its tallest page.
    static constexpr int kTabAreaHeight = 300;
    static constexpr int kResultColumnWidth = 230;

    explicit Any5Window(any5::MainForm& form, QWidget* parent = nullptr);

    ResultColumnView* resultColumn() const { return m_result; }

private:
    any5::MainForm& m_form;
    ResultColumnView* m_result = nullptr;
};

}  // namespace gui
