#pragma once

#include <QWidget>

class QTableWidgetItem;

namespace toolkit {
class Window;
}

namespace gui {

// A side window of a main window on screen: it shows, hides and moves as its
// form says, tells the form how big it is, and closing it unloads the form.
class SideWindow : public QWidget {
    Q_OBJECT
public:
    ~SideWindow() override;

protected:
    SideWindow(toolkit::Window& form, const char* objectName, QWidget* mainWindow);
    // Called once the window's widgets are laid out: from then on the form
    // asks its size and places it.
    void followForm();
    void closeEvent(QCloseEvent* event) override;

private:
    void sync();

    toolkit::Window& m_form;
};

// A table cell the player reads and selects but does not edit; numbers to
// the right.
QTableWidgetItem* readOnlyCell(const QString& text, bool isNumber = false);

}  // namespace gui
