#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Front3Window.h"
#include "app/qt/QtHost.h"
#include "app/qt/TextBoxView.h"
#include "front3/MainForm.h"
#include "toolkit/LineBreaks.h"

// Pastes a player may make by mistake, with Ctrl+V into the real windows:
// megabytes, one endless line, thousands of empty lines. The box keeps every
// character, the editor shows only what it can lay out at once, and a run
// reads the whole text.
namespace {

constexpr qsizetype kMegabyte = 1 << 20;

QString repeated(const QString& unit, qsizetype size) {
    QString text;
    text.reserve(size + unit.size());
    while (text.size() < size) text += unit;
    return text;
}

// A line no box can read: a NUL, the replacement character left by bytes
// that were not UTF-8, and no number "01".."11".
const QString kNoise = QChar(0) + QStringLiteral("\uFFFD ab 12 99");

void pasteWithCtrlV(QPlainTextEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

template <class Form, class Window>
class BigPasteTest : public ::testing::Test {
protected:
    BigPasteTest() {
        form.load();
        host.setWindow(&window);
        window.show();
    }
    ~BigPasteTest() override { QGuiApplication::clipboard()->clear(); }

    QPushButton* button(const char* name) const {
        return window.template findChild<QPushButton*>(QLatin1String(name));
    }
    gui::TextBoxView* box(const char* name) const {
        return window.template findChild<gui::TextBoxView*>(QLatin1String(name));
    }
    int listed() const {
        return window.template findChild<QListView*>(QStringLiteral("Li_out"))->model()->rowCount();
    }
    void start() { QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton); }
    // Shows tab page `page` and empties its box as a player does, by a
    // double-click.
    gui::TextBoxView* emptyBoxOfPage(int page, const char* name) {
        QTest::mouseClick(button(QStringLiteral("C_sst_0_%1").arg(page).toLatin1()),
                          Qt::LeftButton);
        gui::TextBoxView* view = box(name);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton);
        return view;
    }

    gui::QtHost host;
    Form form{host};
    Window window{form};
};

using Any5BigPasteTest = BigPasteTest<any5::MainForm, gui::Any5Window>;
using Front3BigPasteTest = BigPasteTest<front3::MainForm, gui::Front3Window>;

TEST_F(Any5BigPasteTest, FiftyMegabytesAreKeptWholePreviewedAndRead) {
    gui::TextBoxView* view = emptyBoxOfPage(3, "T_main_sha_3ma");
    const QString paste =
        repeated(QStringLiteral("03 07 11\n") + kNoise + QLatin1Char('\r'), 50 * kMegabyte) +
        QStringLiteral("01 02 04");
    pasteWithCtrlV(view, paste);
    EXPECT_EQ(form.entries.T_main_sha_3ma.text(), toolkit::toCrLf(paste.toStdString()));
    EXPECT_TRUE(view->isShowingPreview());
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_LT(view->toPlainText().size(), 20 * 1024);
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("MB，太长只显示开头；双击可清空")));

    start();
    EXPECT_EQ(listed(), 462 - 28 - 28);  // the bets holding 03 07 11 or 01 02 04

    QTest::mouseDClick(view->viewport(), Qt::LeftButton);
    EXPECT_EQ(form.entries.T_main_sha_3ma.text(), "");
    EXPECT_FALSE(view->isReadOnly());
}

// Qt wraps a run without blanks in time growing with its square, so such a
// line is previewed long before the text is large; blanks keep it editable.
TEST_F(Any5BigPasteTest, OneEndlessLineIsPreviewedSoTheWindowStaysQuick) {
    gui::TextBoxView* view = emptyBoxOfPage(0, "T_main_shazhixuan");
    pasteWithCtrlV(view, repeated(kNoise, 10 * kMegabyte) + QStringLiteral("02 04 06 08 10"));
    EXPECT_TRUE(view->isShowingPreview());
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("共 1 行")));
    start();
    EXPECT_EQ(listed(), 461);

    const QString digits = repeated(QStringLiteral("010203"), 20 * 1024);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton);
    pasteWithCtrlV(view, digits);
    EXPECT_EQ(form.entries.T_main_shazhixuan.text(), digits.toStdString());
    EXPECT_TRUE(view->isShowingPreview());
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("共 1 行，20 KB")));

    // The run at the cursor counts too: a short paste that lengthens it past
    // the limit is previewed as well.
    const QString half = repeated(QStringLiteral("0102"), 9000);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton);
    pasteWithCtrlV(view, half);
    EXPECT_FALSE(view->isShowingPreview());
    view->moveCursor(QTextCursor::End);
    pasteWithCtrlV(view, half);
    EXPECT_TRUE(view->isShowingPreview());
    EXPECT_EQ(form.entries.T_main_shazhixuan.text(), (half + half).toStdString());

    const QString spaced = repeated(QStringLiteral("01 02 03 "), 100 * 1024);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton);
    pasteWithCtrlV(view, spaced);
    EXPECT_FALSE(view->isShowingPreview());
    EXPECT_EQ(view->toPlainText(), spaced);
}

// The result box has no double-click action: its note says what copying takes.
TEST_F(Any5BigPasteTest, AHugePasteIntoTheResultBoxSaysWhatTheCopyButtonCopies) {
    start();
    gui::TextBoxView* view = box("T_dd_by");
    view->moveCursor(QTextCursor::End);
    pasteWithCtrlV(view, repeated(QStringLiteral("01 02 03 04 05\n"), kMegabyte));
    ASSERT_TRUE(view->isShowingPreview());
    EXPECT_TRUE(view->toPlainText().endsWith(
        QStringLiteral("太长只显示开头；这里的文字不会被复制，【复制号码】复制的是缩水结果）")));
    EXPECT_EQ(form.result.ResultText.size(), 462u * 16 - 2);
}

TEST(TextBoxView, ARunEndsAtABlankATabOrALineBreakOnly) {
    EXPECT_EQ(gui::longestRun(u"01 0203\n04"), 4);
    EXPECT_EQ(gui::longestRun(u""), 0);
    EXPECT_EQ(gui::longestRun(u" \t\r\n\u2028\u2029"), 0);
    EXPECT_EQ(gui::longestRun(u"01\u00A002\u00A003"), 8);  // a no-break space joins
}

TEST_F(Any5BigPasteTest, ManyEmptyLinesOfAnyKindReachTheBoxAsCrLf) {
    gui::TextBoxView* view = emptyBoxOfPage(4, "T_main_bichu_3ma");
    std::string expected;
    for (int i = 0; i < 100000; ++i) expected += "\r\n";
    expected += "01 02 03";
    for (const char* lineBreak : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        const QString breaks = QString::fromLatin1(lineBreak);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton);
        pasteWithCtrlV(view, repeated(breaks, 100000 * breaks.size()) + QStringLiteral("01 02 03"));
        EXPECT_EQ(form.entries.T_main_bichu_3ma.text(), expected);
        start();
        EXPECT_EQ(listed(), 28);
    }
}

// Each paste is small, but the editor would end up holding them all.
TEST_F(Any5BigPasteTest, RepeatedPastesCannotBuildAHugeEditorText) {
    gui::TextBoxView* view = emptyBoxOfPage(5, "T_main_sha4ma");
    const QString lines = repeated(QStringLiteral("01 02 03 04\n"), 100 * 1024);
    pasteWithCtrlV(view, lines);
    EXPECT_FALSE(view->isShowingPreview());
    view->moveCursor(QTextCursor::End);
    pasteWithCtrlV(view, lines);
    EXPECT_TRUE(view->isShowingPreview());
    EXPECT_EQ(form.entries.T_main_sha4ma.text(), toolkit::toCrLf((lines + lines).toStdString()));
    start();
    EXPECT_EQ(listed(), 462 - 7);
}

TEST_F(Front3BigPasteTest, AllNineHundredNinetyBetsListedAndFiftyMegabytesRead) {
    start();
    EXPECT_EQ(listed(), 990);

    gui::TextBoxView* view = emptyBoxOfPage(1, "T_main_laji_fushi");
    const QString unit = QStringLiteral("01 02 *05 *07 08 09 \n") + kNoise + QLatin1Char('\r');
    const QString paste = repeated(unit, 50 * kMegabyte);
    pasteWithCtrlV(view, paste);
    EXPECT_TRUE(view->isShowingPreview());
    start();
    EXPECT_EQ(listed(), 990 - 6);
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("L_tishi"))
                    ->text()
                    .contains(QStringLiteral("%1行").arg(paste.size() / unit.size())));
}

// Front-3 lists are tidied in place: both stay previews, and the result lists
// the bets written at the start and at the very end of each.
TEST_F(Front3BigPasteTest, TheIntersectionToolTakesTwoFiftyMegabyteLists) {
    QTest::mouseClick(button("C_qiansan_jiaoji"), Qt::LeftButton);
    auto* tool = window.findChild<QWidget*>(QStringLiteral("Fjiaoji"));
    ASSERT_TRUE(tool->isVisible());
    auto* listA = tool->findChild<gui::TextBoxView*>(QStringLiteral("T_dd_jiaoji_0"));
    auto* listB = tool->findChild<gui::TextBoxView*>(QStringLiteral("T_dd_jiaoji_1"));
    pasteWithCtrlV(
        listA, repeated(QStringLiteral("03-02-01\n") + kNoise + QLatin1Char('\n'), 50 * kMegabyte) +
                   QStringLiteral("04 06 08"));
    pasteWithCtrlV(
        listB, repeated(QStringLiteral("05,06,07\n") + kNoise + QLatin1Char('\n'), 50 * kMegabyte) +
                   QStringLiteral("11 10 09"));
    QTest::mouseClick(tool->findChild<QPushButton*>(QStringLiteral("C_jiaoji_xuanzhe_1")),
                      Qt::LeftButton);
    EXPECT_EQ(form.jiaoji.T_dd_jiaoji[2].text(),
              "03 02 01\r\n04 06 08\r\n05 06 07\r\n11 10 09\r\n");
    EXPECT_EQ(tool->findChild<QPlainTextEdit*>(QStringLiteral("T_jiaoji_zhushu"))->toPlainText(),
              QStringLiteral("4"));
    EXPECT_EQ(form.jiaoji.T_dd_jiaoji[0].text().substr(0, 26), "03 02 01\r\n 12 99\r\n03 02 01");
    EXPECT_TRUE(listA->isShowingPreview());
    EXPECT_TRUE(listB->isShowingPreview());
    EXPECT_TRUE(listA->toPlainText().startsWith(QStringLiteral("03 02 01\n 12 99\n")));
    EXPECT_TRUE(
        listB->toPlainText().endsWith(QStringLiteral("太长只显示开头；点【清空B】可清空）")));
    EXPECT_FALSE(form.jiaoji.Fjindu.isVisible());
}

}  // namespace
