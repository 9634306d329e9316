#include "app/qt/TextBoxView.h"

#include "app/qt/QtColours.h"
#include "app/toolkit/LineBreaks.h"
#include "app/toolkit/TextBox.h"

namespace gui {

TextBoxView::TextBoxView(toolkit::TextBox& box, QWidget* parent)
    : QPlainTextEdit(parent), m_box(box) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TextBoxView::onEdited);
    m_box.setViewSource([this] { return toolkit::toCrLf(toPlainText().toStdString()); });
    m_box.setViewListener([this] { sync(); });
    sync();
}

TextBoxView::~TextBoxView() {
    m_box.setViewListener({});
    m_box.setViewSource({});
}

void TextBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    m_box.doubleClick();
}

void TextBoxView::onEdited() {
    if (!m_isSyncing) m_box.markEditedInView();
}

// Called when the logic changed the box; the view's own edits never come back
// here, so the cursor stays where the player left it while typing.
void TextBoxView::sync() {
    m_isSyncing = true;
    const QString text = toQString(toolkit::toLf(m_box.text()));
    if (text != toPlainText()) setPlainText(text);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(m_box.textColour()));
    setPalette(colours);
    setReadOnly(m_box.isReadOnly());
    m_isSyncing = false;
}

}  // namespace gui
