#pragma once

#include <QPushButton>

namespace toolkit {
class Button;
}

namespace gui {

// A push button showing a toolkit::Button: its caption (two lines when it
// holds CR LF), its exact back colour and its enabled and visible flags.
// Clicks go to the button's handler.
class ButtonView final : public QPushButton {
    Q_OBJECT
public:
    ButtonView(toolkit::Button& button, QWidget* parent = nullptr);
    ~ButtonView() override;

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    void sync();

    toolkit::Button& m_button;
};

// A command button of a result column: named for tests and styling, and as
// tall as its neighbours.
ButtonView* commandButton(toolkit::Button& button, const char* objectName, QWidget* parent);

}  // namespace gui
