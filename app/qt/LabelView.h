#pragma once

#include <QLabel>

namespace toolkit {
class Label;
}

namespace gui {

// A label showing a toolkit::Label: caption, underline and text colour.
class LabelView final : public QLabel {
    Q_OBJECT
public:
    LabelView(toolkit::Label& label, QWidget* parent = nullptr);
    ~LabelView() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void sync();

    toolkit::Label& m_label;
};

}  // namespace gui
