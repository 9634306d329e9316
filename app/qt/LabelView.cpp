#include "app/qt/LabelView.h"

#include "app/qt/QtColours.h"
#include "toolkit/Label.h"

namespace gui {

LabelView::LabelView(toolkit::Label& label, QWidget* parent) : QLabel(parent), m_label(label) {
    m_label.setViewListener([this] { sync(); });
    sync();
}

LabelView::~LabelView() {
    m_label.setViewListener({});
}

void LabelView::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    m_label.click();
}

void LabelView::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    m_label.mouseMove();
}

void LabelView::sync() {
    setText(toQString(m_label.caption()));
    // A label given a fixed accessible name (the count) is read by it; its
    // value then travels in the description.
    setAccessibleDescription(text());
    QFont shown = font();
    shown.setUnderline(m_label.isUnderlined());
    setFont(shown);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(m_label.textColour()));
    setPalette(colours);
}

}  // namespace gui
