#pragma once

#include <QWidget>
#include <initializer_list>

class QAbstractButton;
class QHBoxLayout;
class QVBoxLayout;

namespace engine {
class ResultPanel;
}

namespace gui {

// The right-hand column of a main window: the result list and text, the comma
// option, the count, the 容错 selectors, the start and copy buttons, and the (hidden) progress
// frame. Extra buttons of an edition go below them with addButtonRow().
class ResultColumnView final : public QWidget {
    Q_OBJECT
public:
    ResultColumnView(engine::ResultPanel& result, QWidget* parent = nullptr);

    // An edition's own button, below the copy button.
    void addCommand(QWidget* button);
    // Buttons side by side on one line, below the copy button.
    void addCommandRow(std::initializer_list<QWidget*> buttons);
    // An edition's own button, right below the start button.
    void addCommandAfterStart(QWidget* button);
    // Keeps the result text box out of sight (the list shows the same bets).
    void hideResultText();

    QAbstractButton& startButton() const { return *m_start; }
    QAbstractButton& copyButton() const { return *m_copy; }

private:
    QHBoxLayout* toleranceRow(engine::ResultPanel& result);

    QVBoxLayout* m_column = nullptr;
    QAbstractButton* m_start = nullptr;
    QAbstractButton* m_copy = nullptr;
    QWidget* m_text = nullptr;
};

}  // namespace gui
