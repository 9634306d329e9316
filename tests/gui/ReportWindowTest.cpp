#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"

namespace {

class ReportWindowTest : public ::testing::Test {
protected:
    ReportWindowTest() {
        form.load();
        host.setWindow(&window);
        form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2160}; });
        window.show();
    }
    void click(const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    // The row of the report table that names `condition`, as its cells' texts.
    QStringList row(const QString& condition) const {
        for (int r = 0; r < table()->rowCount(); ++r) {
            if (table()->item(r, 0)->text() != condition) continue;
            QStringList cells;
            for (int c = 0; c < table()->columnCount(); ++c) cells << table()->item(r, c)->text();
            return cells;
        }
        return {};
    }
    // Lets the event loop run out of work and wait, as it does between clicks.
    static void settle() {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QTableWidget* table() const {
        return window.findChild<QTableWidget*>(QStringLiteral("Li_tongji"));
    }

    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

// The report follows the panels by itself; 容错 0-1 lets a bet that broke one
// condition back into the result, and 查注 says which one.
TEST_F(ReportWindowTest, FollowsTheConditionsAndToleranceBringsBackABetBreakingOne) {
    click("C_tsm_sha_0");    // 杀 01
    click("C_sha_hezhi_0");  // 杀和值 15
    click("C_tongji");
    auto* report = window.findChild<QWidget*>(QStringLiteral("Ftongji"));
    ASSERT_TRUE(report->isVisible());
    EXPECT_EQ(row(QStringLiteral("通杀码")),
              (QStringList{"通杀码", "杀 01", "210", "209", "209", ""}));
    EXPECT_EQ(row(QStringLiteral("杀和值")).mid(0, 5),
              (QStringList{"杀和值", "杀 15", "1", "1", "0"}));

    click("C_tsm_sha_1");  // 杀 01 02, without pressing start
    settle();
    EXPECT_EQ(row(QStringLiteral("通杀码")).mid(1, 2), (QStringList{"杀 01 02", "336"}));
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("Li_out"))->count(), 0);
    const int totalsRow = table()->rowCount() - 1;
    EXPECT_TRUE(table()->item(totalsRow, 1)->text().contains(QStringLiteral("还没有缩水")));

    window.findChild<QSpinBox*>(QStringLiteral("N_rongcuo_max"))->setValue(1);
    click("C_guolv_ks");
    const auto listed = window.findChild<QListWidget*>(QStringLiteral("Li_out"))
                            ->findItems("01 06 07 08 09", Qt::MatchExactly);
    EXPECT_EQ(listed.size(), 1);
    EXPECT_EQ(form.result.count(), 461u);  // 01 02 03 04 05 breaks both
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"))->text(),
              QStringLiteral("461  容错 0-1"));
    settle();
    EXPECT_TRUE(report->findChild<QLabel*>(QStringLiteral("L_rongcuo"))
                    ->text()
                    .startsWith(QStringLiteral(
                        "容错 0-1：剩 461 注，其中错 0 个条件的 126 注，错 1 个条件的 335 注")));

    QTest::keyClicks(report->findChild<QPlainTextEdit*>(QStringLiteral("T_chazhu")),
                     QStringLiteral("9,8,7,6,1"));
    QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("C_chazhu")), Qt::LeftButton);
    EXPECT_EQ(form.tongji.T_chazhu_jieguo.text(), "违反 1 个条件：\r\n通杀码：含 01");

    // A condition changed after the run: the count and the report say the
    // result is the last run's, until the next run.
    const auto* count = window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("L_jine"))->text(),
              QStringLiteral("461 注，922 元"));
    EXPECT_EQ(table()->item(totalsRow, 1)->text(), QStringLiteral("共 462 注，剩 461 注"));
    EXPECT_EQ(table()->item(totalsRow, 3)->text(), QStringLiteral("缩水杀 1"));
    click("C_tsm_sha_2");  // 杀 01 02 03
    settle();
    EXPECT_EQ(count->text(), QStringLiteral("461  容错 0-1（条件已改，请重新缩水）"));
    EXPECT_TRUE(table()
                    ->item(totalsRow, 1)
                    ->text()
                    .endsWith(QStringLiteral("（结果里是上次的 461 注，条件已改，请重新缩水）")))
        << table()->item(totalsRow, 1)->text().toStdString();
    click("C_guolv_ks");
    settle();
    EXPECT_FALSE(count->text().contains(QStringLiteral("条件已改")));
    EXPECT_FALSE(table()->item(totalsRow, 1)->text().contains(QStringLiteral("条件已改")));
}

}  // namespace
