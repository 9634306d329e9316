#pragma once

#include <QLabel>

namespace toolkit {
class Label;
}

namespace gui {

// A label showing a toolkit::Label: caption, underline and text colour. A
// label that acts on a click is a link as well: Tab reaches it, Enter, Return
// and Space press it, and screen readers see a link they can press
// (LinkLabelAccessible).
class LabelView final : public QLabel {
    Q_OBJECT
public:
    LabelView(toolkit::Label& label, QWidget* parent = nullptr);
    ~LabelView() override;

    bool isLink() const { return m_isLink; }
    // What a click does.
    void press();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void sync();

    toolkit::Label& m_label;
    bool m_isLink = false;
};

}  // namespace gui
