#pragma once

#include <QWidget>

namespace front3 {
class MainForm;
}

namespace gui {

class ResultColumnView;

// The front-3 main window, planned for a 1366 x 768 screen: the tab strip
// top left with span, bankers, kill numbers and the positional kill below
// it; sums, counts, runs and patterns in the middle; the result column right.
class Front3Window final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kResultColumnWidth = 230;

    explicit Front3Window(front3::MainForm& form, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* bankerBox();
    QWidget* positionalBox();
    QWidget* countBox();
    QWidget* runBox();
    QWidget* patternBox();
    void buildResultColumn();

    front3::MainForm& m_form;
    ResultColumnView* m_result = nullptr;
};

}  // namespace gui
