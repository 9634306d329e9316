#pragma once

#include <QWidget>

namespace any5 {
class MainForm;
}

namespace gui {

class ResultColumnView;
class TimerBinding;

// The any-5 main window, planned for a 1366 x 768 screen: the tab strip of
// number-group pages top left with the banker, kill-number and base-pool
// panels below it, the shape panels in the middle, the result column right.
// The odd/even picker is its own window docked to the right edge.
class Any5Window final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kResultColumnWidth = 230;

    explicit Any5Window(any5::MainForm& form, QWidget* parent = nullptr);
    ~Any5Window() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* basePoolBox();

    any5::MainForm& m_form;
    ResultColumnView* m_result = nullptr;
};

}  // namespace gui
