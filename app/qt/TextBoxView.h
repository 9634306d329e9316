#pragma once

#include <QPlainTextEdit>

namespace toolkit {
class TextBox;
}

namespace gui {

// A plain-text editor showing a toolkit::TextBox. The logic always sees CR LF
// line breaks, whatever the player typed or pasted; the text is converted
// only when the logic reads it.
class TextBoxView final : public QPlainTextEdit {
    Q_OBJECT
public:
    TextBoxView(toolkit::TextBox& box, QWidget* parent = nullptr);
    ~TextBoxView() override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void sync();
    void onEdited();

    toolkit::TextBox& m_box;
    bool m_isSyncing = false;
};

}  // namespace gui
