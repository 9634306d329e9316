#include "app/qt/LabelView.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "app/qt/LinkLabelAccessible.h"
#include "app/qt/QtColours.h"
#include "toolkit/Label.h"

namespace gui {
namespace {

bool isPressKey(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
            key.key() == Qt::Key_Space);
}

}  // namespace

LabelView::LabelView(toolkit::Label& label, QWidget* parent)
    : QLabel(parent), m_label(label), m_isLink(label.hasClickHandler()) {
    if (m_isLink) {
        LinkLabelAccessible::install();
        // Tab only: a click leaves the focus where it was, and the look as it was.
        setFocusPolicy(Qt::TabFocus);
        setCursor(Qt::PointingHandCursor);
    }
    m_label.setViewListener([this] { sync(); });
    sync();
}

LabelView::~LabelView() {
    m_label.setViewListener({});
}

void LabelView::press() {
    m_label.click();
}

// Enter and Return run the window's start button unless the focused link
// takes them first.
bool LabelView::event(QEvent* event) {
    if (m_isLink && event->type() == QEvent::ShortcutOverride &&
        isPressKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void LabelView::keyPressEvent(QKeyEvent* event) {
    if (!m_isLink || !isPressKey(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) press();
}

void LabelView::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    press();
}

void LabelView::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    m_label.mouseMove();
}

// A focused link shows the style's focus frame around its caption.
void LabelView::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // Only Tab or a screen reader focuses a link, and both want to see where.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.rect = fontMetrics()
                     .boundingRect(contentsRect(), static_cast<int>(alignment()), text())
                     .adjusted(-3, -1, 3, 1)
                     .intersected(rect());
    frame.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void LabelView::sync() {
    setText(toQString(m_label.caption()));
    // A label given a fixed accessible name (the count) is read by it; its
    // value then travels in the description. A link is read by its caption
    // and described by its hint.
    if (!m_isLink) setAccessibleDescription(text());
    QFont shown = font();
    shown.setUnderline(m_label.isUnderlined());
    setFont(shown);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(m_label.textColour()));
    setPalette(colours);
}

}  // namespace gui
