#include "app/qt/ButtonView.h"

#include "app/qt/QtColours.h"
#include "toolkit/Button.h"

namespace gui {

ButtonView::ButtonView(toolkit::Button& button, QWidget* parent)
    : QPushButton(parent), m_button(button) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { m_button.press(); });
    m_button.setViewListener([this] { sync(); });
    sync();
}

ButtonView::~ButtonView() {
    m_button.setViewListener({});
}

void ButtonView::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    m_button.mouseMove();
}

void ButtonView::sync() {
    QString text = toQString(m_button.caption());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(text);
    setAccessibleName(oneLine(m_button.caption()));
    QPalette colours = palette();
    colours.setColor(QPalette::Button, toQColor(m_button.backColour()));
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setEnabled(m_button.isEnabled());
    setVisible(m_button.isVisible());
    if (!m_button.toolTip().empty()) setToolTip(toQString(m_button.toolTip()));
}

ButtonView* commandButton(toolkit::Button& button, const char* objectName, QWidget* parent) {
    auto* view = new ButtonView(button, parent);
    view->setObjectName(QLatin1String(objectName));
    view->setMinimumHeight(28);
    return view;
}

}  // namespace gui
