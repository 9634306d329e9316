#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"
#include "tools/tickets/TicketTable.h"

namespace {

// A player runs any-5 with no condition (462 bets), opens 保中缩票 and lets
// each play take up to a minute; the main window stays usable while the
// solver works, and a selection in the tickets shown stays while another
// play solves; he stops the long solve, keeps what was found, copies a
// play's tickets, and a new run marks them stale.
TEST(TicketWindow, SolvesBesideTheMainWindowStopsAndCopiesAPlay) {
    gui::QtHost host;
    any5::MainForm form{host};
    form.load();
    gui::Any5Window window{form};
    host.setWindow(&window);
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2160}; });
    window.show();
    const auto find = [&window](const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    };
    QTest::mouseClick(find("C_guolv_ks"), Qt::LeftButton);
    ASSERT_EQ(form.result.count(), 462u);

    QTest::mouseClick(find("C_baozhong"), Qt::LeftButton);
    auto* tickets = window.findChild<QWidget*>(QStringLiteral("Fbaozhong"));
    ASSERT_TRUE(tickets->isVisible());
    tickets->findChild<QDoubleSpinBox*>(QStringLiteral("N_baozhong_miao"))->setValue(60);
    QTest::mouseClick(tickets->findChild<QPushButton*>(QStringLiteral("C_jisuan")), Qt::LeftButton);
    auto* table = tickets->findChild<QTableWidget*>(QStringLiteral("Li_baozhong"));
    ASSERT_EQ(table->rowCount(), 7);  // 任选二 ... 任选八
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("任选二"));
    ASSERT_TRUE(QTest::qWaitFor([table] { return !table->item(0, 1)->text().isEmpty(); }, 30'000));

    // While 任选三 solves, he selects some of 任选二's tickets: the progress
    // arriving meanwhile leaves his selection alone.
    const auto& rows = form.baozhong.rows();
    ASSERT_TRUE(
        QTest::qWaitFor([&rows] { return rows[0].reduction && rows[1].isSolving; }, 30'000));
    table->selectRow(0);
    auto* text = tickets->findChild<QPlainTextEdit*>(QStringLiteral("T_baozhong_piao"));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(20, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    const QString selected = text->textCursor().selectedText();
    ASSERT_EQ(selected.size(), 17);
    auto* status = tickets->findChild<QLabel*>(QStringLiteral("L_baozhong_zhuangtai"));
    const QString statusBefore = status->text();
    QTest::qWait(700);  // several ticks and progress reports
    ASSERT_NE(status->text().toStdString(), statusBefore.toStdString());
    EXPECT_EQ(text->textCursor().selectedText().toStdString(), selected.toStdString());
    const auto before = form.shapes.C_tsm_sha[0].backColour();
    QTest::mouseClick(find("C_tsm_sha_0"), Qt::LeftButton);
    EXPECT_NE(form.shapes.C_tsm_sha[0].backColour(), before);
    EXPECT_TRUE(form.baozhong.isRunning());

    QTest::mouseClick(tickets->findChild<QPushButton*>(QStringLiteral("C_tingzhi")),
                      Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&form] { return !form.baozhong.isRunning(); }, 30'000));
    QTest::qWait(150);  // the window's next tick
    EXPECT_TRUE(status->text().contains(QStringLiteral("已停止"))) << status->text().toStdString();
    EXPECT_EQ(table->item(6, tickets::TicketTable::kNote)->text(), QStringLiteral("已停止"));

    table->selectRow(0);
    const int count = table->item(0, 1)->text().toInt();
    ASSERT_GT(count, 0);
    EXPECT_EQ(text->toPlainText().split(QLatin1Char('\n')).size(), count);
    QTest::mouseClick(tickets->findChild<QPushButton*>(QStringLiteral("C_fuzhi")), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), form.baozhong.chosenTickets());

    QTest::mouseClick(find("C_guolv_ks"), Qt::LeftButton);  // now without 01
    QTest::qWait(250);
    EXPECT_TRUE(status->text().contains(QStringLiteral("已过时"))) << status->text().toStdString();
}

}  // namespace
