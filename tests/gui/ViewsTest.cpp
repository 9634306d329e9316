#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextCursor>
#include <functional>
#include <string>
#include <vector>

#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/ListBoxView.h"
#include "app/qt/QtColours.h"
#include "app/qt/TextBoxView.h"
#include "app/qt/TimerBinding.h"
#include "app/qt/TipDialog.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/LineBreaks.h"
#include "toolkit/ListBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"
#include "toolkit/TipWindow.h"

namespace {

TEST(ButtonView, ShowsTheControlsExactColourAndForwardsClicks) {
    toolkit::ButtonArray numbers("C_tsm_sha", toolkit::twoDigitCaptions(1, 11));
    numbers.setClickHandler([&](std::size_t i) {
        const bool selected = numbers[i].backColour() == toolkit::palette::kYellow;
        numbers[i].setBackColour(selected ? toolkit::palette::kCream : toolkit::palette::kYellow);
    });
    gui::ButtonArrayView panel(QStringLiteral("通杀码"), numbers, {});
    panel.show();
    auto* eleven = panel.findChild<gui::ButtonView*>(QStringLiteral("C_tsm_sha_10"));
    ASSERT_NE(eleven, nullptr);
    EXPECT_EQ(eleven->text(), QStringLiteral("11"));
    EXPECT_EQ(gui::toRgb(eleven->palette().color(QPalette::Button)), toolkit::palette::kCream);

    QTest::mouseClick(eleven, Qt::LeftButton);
    EXPECT_EQ(numbers[10].backColour(), toolkit::palette::kYellow);
    EXPECT_EQ(gui::toRgb(eleven->palette().color(QPalette::Button)), toolkit::palette::kYellow);
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("通杀码"));
}

TEST(ButtonView, TwoLineCaptionsShowOnTwoLinesAndReadAsOne) {
    toolkit::Button pair("01\r\n02");
    gui::ButtonView view(pair);
    EXPECT_EQ(view.text(), QStringLiteral("01\n02"));
    EXPECT_EQ(view.accessibleName(), QStringLiteral("01 02"));
    pair.setEnabled(false);
    EXPECT_FALSE(view.isEnabled());
}

// The model tester stops the program on any change the view is told of out
// of step with the rows it reads.
TEST(ListBoxView, ShowsEachChangeOfItsBoxAndANewResultDropsTheSelection) {
    toolkit::ListBox box;
    gui::ListBoxView view(box);
    QAbstractItemModelTester tester(view.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) many.push_back(std::to_string(i));
    const struct {
        std::function<void()> change;
        int rows;
        QString last;
        int stillSelected;  // of the rows selected before
    } steps[] = {
        {[&] { box.append("01 02"); }, 1, QStringLiteral("01 02"), 0},
        {[&] { box.append("03 04"); }, 2, QStringLiteral("03 04"), 1},
        {[&] { box.assign(many); }, 300, QStringLiteral("299"), 0},
        {[&] { box.assign({"05 06"}); }, 1, QStringLiteral("05 06"), 0},
        {[&] { box.clear(); }, 0, {}, 0},
        {[&] { box.append("07 08"); }, 1, QStringLiteral("07 08"), 0},
    };
    for (const auto& step : steps) {
        view.selectAll();
        step.change();
        const QAbstractItemModel& rows = *view.model();
        ASSERT_EQ(rows.rowCount(), step.rows);
        EXPECT_EQ(rows.index(step.rows - 1, 0).data().toString(), step.last);
        EXPECT_EQ(view.selectionModel()->selectedIndexes().size(), step.stillSelected) << step.rows;
    }
}

TEST(TextBoxView, PastedLineEndsReachTheLogicAsCrLf) {
    toolkit::TextBox box("输入格式标准：\r\n01 02 03\r\n");
    gui::TextBoxView view(box);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("输入格式标准：\n01 02 03\n"));

    view.selectAll();
    view.insertPlainText(QStringLiteral("01 02 03\n04 05 06\r07 08 09\r\n10 11 01"));
    EXPECT_EQ(box.text(), "01 02 03\r\n04 05 06\r\n07 08 09\r\n10 11 01");

    QTest::keyClicks(&view, QStringLiteral(" x"));
    EXPECT_EQ(box.text(), "01 02 03\r\n04 05 06\r\n07 08 09\r\n10 11 01 x");
}

TEST(TextBoxView, AHugePasteIsKeptWholeButOnlyItsBeginningIsShown) {
    toolkit::TextBox box("01 02 03");
    box.setDoubleClickHandler([&] { box.setText({}); });
    gui::TextBoxView view(box);
    view.show();
    QString paste;
    while (paste.size() < 300 * 1024) paste += QStringLiteral("04 05 06\n");
    QGuiApplication::clipboard()->setText(paste);
    view.moveCursor(QTextCursor::End);
    view.paste();

    const std::string expected = "01 02 03" + toolkit::toCrLf(paste.toStdString());
    EXPECT_EQ(box.text(), expected);
    EXPECT_TRUE(view.isShowingPreview());
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_LT(view.toPlainText().size(), 8 * 1024);
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("双击可清空")));

    QTest::mouseDClick(view.viewport(), Qt::LeftButton);
    EXPECT_EQ(box.text(), "");
    EXPECT_FALSE(view.isShowingPreview());
    EXPECT_FALSE(view.isReadOnly());
    QTest::keyClicks(&view, QStringLiteral("07"));
    EXPECT_EQ(box.text(), "07");

    // From the keyboard, Delete clears a preview as a double-click does.
    view.paste();
    ASSERT_TRUE(view.isShowingPreview());
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "");
    EXPECT_FALSE(view.isReadOnly());
}

TEST(TextBoxView, PreviewOfOneEndlessLineStaysShortAndCountsLines) {
    const std::string oneLine(1 << 20, '1');
    const QString preview = gui::previewOf(oneLine, 200);
    EXPECT_LT(preview.size(), 20 * 1024);
    EXPECT_TRUE(preview.contains(QStringLiteral("共 1 行")));
    const QString lines = gui::previewOf("a\r\nb\r\nc", 2);
    EXPECT_TRUE(lines.startsWith(QStringLiteral("a\nb\n……")));
    EXPECT_TRUE(lines.contains(QStringLiteral("共 3 行")));
}

TEST(TextBoxView, DoubleClickReachesTheHandlerAndColourFollows) {
    toolkit::TextBox box("提示：");
    box.setDoubleClickHandler([&] { box.setText({}); });
    gui::TextBoxView view(box);
    view.show();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton);
    EXPECT_EQ(view.toPlainText(), QString());
    box.setTextColour(toolkit::palette::kHintGrey);
    EXPECT_EQ(gui::toRgb(view.palette().color(QPalette::Text)), toolkit::palette::kHintGrey);
}

// Qt lets a screen reader's text actions edit even a read-only editor.
TEST(TextBoxView, AScreenReaderEditsOnlyWhatThePlayerMayEdit) {
    std::string large;
    while (large.size() < gui::TextBoxView::kLargeText) large += "04 05 06\r\n";
    struct Row {
        const char* name;
        std::string text;
        bool isReadOnly;
        std::string expected;
    };
    const Row rows[] = {
        {"editable", "01 02", false, "XX01 02"},
        {"read-only", "1", true, "1"},
        {"preview of a large text", large, false, large},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        toolkit::TextBox box(row.text);
        box.setReadOnly(row.isReadOnly);
        gui::TextBoxView view(box);
        const QString shown = view.toPlainText();
        auto* editable = QAccessible::queryAccessibleInterface(&view)->editableTextInterface();
        ASSERT_NE(editable, nullptr);
        editable->insertText(0, QStringLiteral("XX"));
        EXPECT_EQ(box.text(), row.expected);
        if (row.text != row.expected) continue;
        EXPECT_EQ(view.toPlainText().toStdString(), shown.toStdString());
        editable->deleteText(0, 1);
        EXPECT_EQ(view.toPlainText().toStdString(), shown.toStdString());
    }
}

TEST(TipDialog, ClosedByEscapeTheTipUnloadsAsOnItsTimer) {
    toolkit::TipWindow tip;
    gui::TipDialog dialog(tip);
    tip.load();
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(tip.isLoaded());
    EXPECT_FALSE(tip.Timer1.isEnabled());
}

TEST(CheckBoxView, ClickTicksTheControlWhichRaisesItsClick) {
    toolkit::CheckBox commas("号码之间逗号隔开");
    int clicks = 0;
    commas.setClickHandler([&] { ++clicks; });
    gui::CheckBoxView view(commas);
    view.show();
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(5, view.height() / 2));
    EXPECT_TRUE(commas.isTicked());
    EXPECT_EQ(clicks, 1);
    commas.setTicked(false);
    EXPECT_FALSE(view.isChecked());
    EXPECT_EQ(clicks, 2);
}

TEST(TimerBinding, TicksWhileEnabledAndStopsWhenDisabled) {
    toolkit::Timer timer(20, false);
    int ticks = 0;
    timer.setTickHandler([&] {
        ++ticks;
        timer.setEnabled(false);
    });
    gui::TimerBinding binding(timer);
    QTest::qWait(60);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 1000));
    QTest::qWait(80);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
