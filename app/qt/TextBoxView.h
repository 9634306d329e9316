#pragma once

#include <QPlainTextEdit>

namespace toolkit {
class TextBox;
}

namespace gui {

// A plain-text editor showing a toolkit::TextBox. The logic always sees CR LF
// line breaks, whatever the player typed or pasted; the text is converted
// only when the logic reads it.
//
// Qt's editor needs seconds to lay out megabytes of lines, so a text longer
// than kLargeText is not put into it: the box keeps the whole text, and the
// editor shows its beginning, read-only, with a line saying how much there is
// and what the player can do about it (by default: a double-click, or from the keyboard Delete,
// clears it). So is a text holding a run of more than kLongRun characters without a blank or line
// break ("010203..."): the time Qt takes to wrap such a run grows with its square, a second per
// keystroke at 128 K characters.
class TextBoxView final : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr std::size_t kLargeText = 128 * 1024;  // bytes
    static constexpr qsizetype kLongRun = 16 * 1024;       // characters
    static constexpr int kPreviewLines = 200;

    TextBoxView(toolkit::TextBox& box, QWidget* parent = nullptr);
    ~TextBoxView() override;

    bool isShowingPreview() const { return m_isPreview; }
    // What the preview's last line tells the player to do, for a box whose
    // double-click does not clear it.
    void setPreviewAdvice(QString advice) { m_previewAdvice = std::move(advice); }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // In a preview, Delete and Backspace do what a double-click does.
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool mayNeedPreview(const QString& pasted) const;
    void sync();
    void showText();
    void onEdited();

    toolkit::TextBox& m_box;
    unsigned m_shownRevision = ~0u;
    bool m_isSyncing = false;
    bool m_isPreview = false;
    QString m_previewAdvice = QStringLiteral("双击可清空");
};

// The preview of a long text: its first lines, then a note of its size and
// the advice.
QString previewOf(const std::string& text, int lines,
                  const QString& advice = QStringLiteral("双击可清空"));

// The length of the longest run of characters between blanks, tabs and line
// breaks: "01 0203\n04" => 4.
qsizetype longestRun(QStringView text);

}  // namespace gui
