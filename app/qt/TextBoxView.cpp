#include "app/qt/TextBoxView.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/qt/QtColours.h"
#include "toolkit/LineBreaks.h"
#include "toolkit/TextBox.h"

namespace gui {
namespace {
constexpr std::size_t kPreviewBytes = 16 * 1024;
constexpr std::size_t kMegabyte = 1024 * 1024;
}  // namespace

QString previewOf(const std::string& text, int lines, const QString& advice) {
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
    // A text with a long run may be previewed at a few kilobytes.
    const QString size =
        text.size() < kMegabyte
            ? QStringLiteral("%1 KB").arg((text.size() + 512) / 1024)
            : QStringLiteral("%1 MB").arg(static_cast<double>(text.size()) / kMegabyte, 0, 'f', 1);
    return head +
           QStringLiteral("……（共 %1 行，%2，太长只显示开头；%3）").arg(total).arg(size, advice);
}

qsizetype longestRun(QStringView text) {
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        const bool breaks = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' ||
                            c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        run = breaks ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
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

// The keyboard's way to clear a preview, which no key can edit.
void TextBoxView::keyPressEvent(QKeyEvent* event) {
    if (m_isPreview && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        m_box.doubleClick();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// A paste that may make the text one to preview goes straight into the box,
// in place of the selection, and showText() decides how the editor shows it.
void TextBoxView::insertFromMimeData(const QMimeData* source) {
    const QString pasted = source->text();
    if (isReadOnly() || !mayNeedPreview(pasted)) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QTextCursor cursor = textCursor();
    const QString current = toPlainText();
    // Into a box just emptied, the paste is the whole text: shared, not copied.
    const QString result = current.isEmpty() ? pasted
                                             : current.left(cursor.selectionStart()) + pasted +
                                                   current.mid(cursor.selectionEnd());
    m_box.setText(toolkit::toCrLf(result.toStdString()));
}

// Counts what the editor holds as well, so that many pastes, or one joining
// the run at the cursor, cannot build what a single paste may not. The lines
// at both ends of the selection stand for the runs the paste may join.
bool TextBoxView::mayNeedPreview(const QString& pasted) const {
    if (static_cast<std::size_t>(pasted.size()) >= kLargeText) return true;
    const QTextDocument* text = document();
    if (static_cast<std::size_t>(text->characterCount() + pasted.size()) >= kLargeText) return true;
    const QTextCursor cursor = textCursor();
    const qsizetype around = text->findBlock(cursor.selectionStart()).length() +
                             text->findBlock(cursor.selectionEnd()).length();
    return longestRun(pasted) + around > kLongRun;
}

// A screen reader's text actions edit even a read-only editor; what they did
// to a read-only box (or to a preview) is undone, so it shows the box's text.
void TextBoxView::onEdited() {
    if (m_isSyncing) return;
    if (!isReadOnly()) {
        m_box.markEditedInView();
        return;
    }
    m_shownRevision = ~0u;
    sync();
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
    QString shown;
    m_isPreview = text.size() >= kLargeText;
    if (!m_isPreview) {
        shown = toQString(toolkit::toLf(text));
        m_isPreview = longestRun(shown) > kLongRun;
    }
    // While the preview shows, the box's own text is the truth.
    if (m_isPreview) {
        m_box.setViewSource({});
        setPlainText(previewOf(text, kPreviewLines, m_previewAdvice));
        return;
    }
    m_box.setViewSource([this] { return toolkit::toCrLf(toPlainText().toStdString()); });
    if (shown != toPlainText()) setPlainText(shown);
}

}  // namespace gui
