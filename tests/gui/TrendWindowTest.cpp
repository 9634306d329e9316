#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <random>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"
#include "app/qt/TrendModels.h"
#include "tests/gui/FileDialogAnswer.h"
#include "tests/history/TempFolder.h"

namespace {

// `count` draws, oldest first, issues 2026120001 on.
std::string randomDraws(int count) {
    std::mt19937 random(11);
    std::string text;
    for (int i = 1; i <= count; ++i) {
        std::vector<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(numbers.begin(), numbers.end(), random);
        text += std::to_string(2026120000 + i);
        for (int k = 0; k < 5; ++k) text += " " + std::to_string(numbers[k]);
        text += "\n";
    }
    return text;
}

class TrendWindowTest : public ::testing::Test {
protected:
    TrendWindowTest() {
        form.lishi.setDatabasePath(folder.file("history.sqlite"));
        form.load();
        host.setWindow(&window);
        form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2160}; });
        window.show();
        form.lishi.drawList().add("广东11选5");
        settle();
        form.lishi.drawImport().importText(randomDraws(120));
        settle();
    }
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return form.lishi.working().empty(); }, 30'000));
    }
    template <class Widget>
    Widget* find(const char* name) const {
        return window.findChild<Widget*>(QLatin1String(name));
    }
    // The header section of a chart column, scrolled into view.
    int section(const char* group, const char* caption) const {
        const trend::Chart& chart = form.zoushi.chart();
        for (int c = 0; c < chart.columnCount(); ++c) {
            if (chart.groupName(c) == group && chart.caption(c) == caption) {
                const int at = gui::TrendRowModel::kFirstChartColumn + c;
                auto* table = find<QTableView>("Li_zoushi");
                table->scrollTo(table->model()->index(table->model()->rowCount() - 1, at));
                return at;
            }
        }
        ADD_FAILURE() << group << caption;
        return 0;
    }
    QPoint sectionPoint(int at) const {
        const QHeaderView* header = find<QTableView>("Li_zoushi")->horizontalHeader();
        return {header->sectionViewportPosition(at) + header->sectionSize(at) / 2,
                header->height() * 3 / 4};
    }

    historytest::TempFolder folder;
    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

// A player opens the chart of 120 draws: 50 shown, the newest at the bottom in
// view, the statistics under them; a click on "3" of 奇号个数 sets it in the
// main window and its report; a right click on 05 makes it a kill number;
// both exports write the whole chart.
TEST_F(TrendWindowTest, ClicksOnTheChartSetTheMainWindowsConditions) {
    QTest::mouseClick(find<QPushButton>("C_zoushi"), Qt::LeftButton);
    auto* chartWindow = find<QWidget>("F_zoushi");
    ASSERT_TRUE(chartWindow->isVisible());
    auto* table = find<QTableView>("Li_zoushi");
    const auto* rows = table->model();
    ASSERT_EQ(rows->rowCount(), 50);
    EXPECT_EQ(rows->index(49, 0).data().toString(), QStringLiteral("2026120120"));
    EXPECT_EQ(find<QLabel>("L_zoushi_fanwei")->text(),
              QStringLiteral("数据从 2026120071 期到 2026120120 期，共 50 期"));
    QTest::qWait(50);
    EXPECT_TRUE(table->viewport()->rect().intersects(table->visualRect(rows->index(49, 0))));
    const auto* stats = find<QTableView>("Li_zoushi_tongji")->model();
    ASSERT_EQ(stats->rowCount(), 5);
    EXPECT_EQ(stats->index(0, 0).data().toString(), QStringLiteral("出现次数"));
    EXPECT_EQ(stats->index(4, 0).data().toString(), QStringLiteral("当前遗漏"));
    // 50 draws of five numbers: the grid's appearances add up to 250.
    int appearances = 0;
    for (int c = 0; c < 11; ++c)
        appearances += stats->index(0, gui::TrendRowModel::kFirstChartColumn + c).data().toInt();
    EXPECT_EQ(appearances, 250);

    auto* header = table->horizontalHeader();
    const int three = section("奇号个数", "3");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sectionPoint(three));
    EXPECT_EQ(form.counts.C_jishu_geshu[3].backColour(), toolkit::palette::kGreen);
    form.tongji.refreshIfChanged();
    ASSERT_EQ(form.tongji.report().rows.size(), 1u);
    EXPECT_EQ(form.tongji.report().rows[0].summary, "出 3");
    EXPECT_TRUE(form.zoushi.isChosen(three - gui::TrendRowModel::kFirstChartColumn));

    const int five = section("号码", "05");
    QTimer::singleShot(100, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("设为通杀码 05")) action->trigger();
        }
        menu->close();
    });
    const QPoint at = sectionPoint(five);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
    QApplication::sendEvent(header->viewport(), &rightClick);
    EXPECT_EQ(form.shapes.C_tsm_sha[4].backColour(), toolkit::palette::kYellow);
    EXPECT_TRUE(form.zoushi.isChosen(five - gui::TrendRowModel::kFirstChartColumn));

    const QString csv = QDir(QString::fromStdString(folder.file(""))).filePath("chart.csv");
    guitest::clickAnsweringFileDialog(find<QPushButton>("C_zoushi_csv"), csv);
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(csvFile.readAll()).count(QLatin1Char('\n')), 1 + 50 + 5);
    const QString png = QDir(QString::fromStdString(folder.file(""))).filePath("chart.png");
    guitest::clickAnsweringFileDialog(find<QPushButton>("C_zoushi_tupian"), png);
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.height(), 55 * 22);  // every row and the statistics, not the view
    EXPECT_EQ(find<QLabel>("L_zoushi_zhuangtai")->text(), QStringLiteral("已导出图片到 ") + png);
}

}  // namespace
