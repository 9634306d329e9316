#pragma once

#include <QWidget>

namespace intersection {
class IntersectionForm;
}

namespace gui {

// Fjiaoji on screen: lists A and B and the result side by side, the four
// operations and the count between B and the result, the comma option below.
// Closing it only hides it; its lists stay for the next showing.
class IntersectionWindow final : public QWidget {
    Q_OBJECT
public:
    IntersectionWindow(intersection::IntersectionForm& form, QWidget* mainWindow);
    ~IntersectionWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void sync();

    intersection::IntersectionForm& m_form;
};

}  // namespace gui
