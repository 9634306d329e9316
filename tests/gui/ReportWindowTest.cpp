#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <set>
#include <string>

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
        const QAbstractItemModel& cells = *table()->model();
        for (int r = 0; r < cells.rowCount(); ++r) {
            if (cells.index(r, 0).data().toString() != condition) continue;
            QStringList texts;
            for (int c = 0; c < cells.columnCount(); ++c)
                texts << cells.index(r, c).data().toString();
            return texts;
        }
        return {};
    }
    // Lets the event loop run out of work and wait, as it does between clicks.
    static void settle() {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QTableView* table() const { return window.findChild<QTableView*>(QStringLiteral("Li_tongji")); }

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
    EXPECT_EQ(window.findChild<QListView*>(QStringLiteral("Li_out"))->model()->rowCount(), 0);
    const QAbstractItemModel& cells = *table()->model();
    const auto totals = [&cells](int column) {
        return cells.index(cells.rowCount() - 1, column).data().toString();
    };
    EXPECT_TRUE(totals(1).contains(QStringLiteral("还没有缩水")));

    window.findChild<QSpinBox*>(QStringLiteral("N_rongcuo_max"))->setValue(1);
    click("C_guolv_ks");
    const QAbstractItemModel* bets =
        window.findChild<QListView*>(QStringLiteral("Li_out"))->model();
    const auto listed = bets->match(bets->index(0, 0), Qt::DisplayRole,
                                    QStringLiteral("01 06 07 08 09"), -1, Qt::MatchExactly);
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
    EXPECT_EQ(totals(1), QStringLiteral("共 462 注，剩 461 注"));
    EXPECT_EQ(totals(3), QStringLiteral("缩水杀 1"));
    click("C_tsm_sha_2");  // 杀 01 02 03
    settle();
    EXPECT_EQ(count->text(), QStringLiteral("461  容错 0-1（条件已改，请重新缩水）"));
    EXPECT_TRUE(
        totals(1).endsWith(QStringLiteral("（结果里是上次的 461 注，条件已改，请重新缩水）")))
        << totals(1).toStdString();
    click("C_guolv_ks");
    settle();
    EXPECT_FALSE(count->text().contains(QStringLiteral("条件已改")));
    EXPECT_FALSE(totals(1).contains(QStringLiteral("条件已改")));

    // Space on the 参与容错 tick of 通杀码 takes it out of 容错.
    const auto tick = cells.match(cells.index(0, 0), Qt::DisplayRole, QStringLiteral("通杀码"))
                          .value(0)
                          .siblingAtColumn(cells.columnCount() - 1);
    ASSERT_EQ(tick.data(Qt::CheckStateRole), Qt::Checked);
    table()->setCurrentIndex(tick);
    QTest::keyClick(table(), Qt::Key_Space);
    EXPECT_EQ(form.tongji.hard(), (std::set<std::string>{"通杀码"}));
    EXPECT_EQ(tick.data(Qt::CheckStateRole), Qt::Unchecked);
}

}  // namespace
