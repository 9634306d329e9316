#include "app/qt/TextBoxView.h"

#include <QMimeData>
#include <QTextCursor>

#include "app/qt/QtColours.h"
#include "app/toolkit/LineBreaks.h"
#include "app/toolkit/TextBox.h"

namespace gui {
namespace {
constexpr std::size_t kPreviewBytes = 16 * 1024;
}  // namespace

QString previewOf(const std::string& text, int lines) {
    std::size_t end = 0;
    int shown = 0;
    while (shown < lines && end < text.size()) {
        const auto next = text.find('\n', end);
        end = next == std::string::npos ? text.size() : next + 1;
        ++shown;
    }
    // A single huge line would be as slow to show as the whole text.
    if (end > kPreviewBytes) {
        end = kPreviewBytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    std::size_t total = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++total;
    QString head = toQString(toolkit::toLf(std::string_view(text).substr(0, end)));
    if (!head.endsWith(QLatin1Char('\n'))) head += QLatin1Char('\n');
    return head + QStringLiteral("……（共 %1 行，%2 MB，太长只显示开头；双击可清空）")
                      .arg(total)
                      .arg(static_cast<double>(text.size()) / (1024.0 * 1024.0), 0, 'f', 1);
}

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

// A long paste goes straight into the box, in place of the selection, and the
// editor shows its preview.
void TextBoxView::insertFromMimeData(const QMimeData* source) {
    const QString pasted = source->text();
    if (static_cast<std::size_t>(pasted.size()) < kLargeText || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QTextCursor cursor = textCursor();
    const QString current = toPlainText();
    const QString result =
        current.left(cursor.selectionStart()) + pasted + current.mid(cursor.selectionEnd());
    m_box.setText(toolkit::toCrLf(result.toStdString()));
}

void TextBoxView::onEdited() {
    if (!m_isSyncing) m_box.markEditedInView();
}

// Called when the logic changed the box. The text is redrawn only when it is
// new, so the cursor stays where the player left it and a colour change costs
// nothing.
void TextBoxView::sync() {
    m_isSyncing = true;
    if (m_box.revision() != m_shownRevision) showText();
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(m_box.textColour()));
    setPalette(colours);
    setReadOnly(m_box.isReadOnly() || m_isPreview);
    m_isSyncing = false;
}

void TextBoxView::showText() {
    m_shownRevision = m_box.revision();
    const std::string& text = m_box.text();
    m_isPreview = text.size() >= kLargeText;
    // While the preview shows, the box's own text is the truth.
    if (m_isPreview) {
        m_box.setViewSource({});
        setPlainText(previewOf(text, kPreviewLines));
        return;
    }
    m_box.setViewSource([this] { return toolkit::toCrLf(toPlainText().toStdString()); });
    const QString shown = toQString(toolkit::toLf(text));
    if (shown != toPlainText()) setPlainText(shown);
}

}  // namespace gui
