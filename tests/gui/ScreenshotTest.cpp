#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <random>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Front3Window.h"
#include "app/qt/QtHost.h"
#include "front3/MainForm.h"
#include "tests/history/TempFolder.h"

namespace {

// Pictures of the windows for the README: written only when
// QUORVEL_SCREENSHOT_DIR names a folder, otherwise the window is still built
// and grabbed, so a picture that cannot be made fails here first.
QString screenshotPath(const char* name) {
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(name));
}

// A main window and a side window docked at its right edge, in one picture.
QPixmap sideBySide(const QPixmap& main, const QPixmap& side) {
    QPixmap both(main.width() + side.width(), std::max(main.height(), side.height()));
    both.fill(Qt::black);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width(), 0, side);
    painter.end();
    return both;
}

// A loaded form and its window, shown on the Qt host.
template <class Form, class Window>
struct Shown {
    Shown() {
        form.load();
        host.setWindow(&window);
        window.show();
    }
    gui::QtHost host;
    Form form{host};
    Window window{form};
};

// The conditions of the any-5 pictures: bankers 01 02 08 09, one or two of
// them drawn; and sums 15 and 45, span 4, kill 06, two or three odd, no 四连.
void pressBankers(any5::MainForm& form) {
    for (std::size_t i : {9u, 0u, 6u, 7u}) form.bankers.C_danma_chu.press(i);
    form.bankers.C_danma_chu_geshu.press(1);
    form.bankers.C_danma_chu_geshu.press(2);
}

void pressShapes(any5::MainForm& form) {
    form.shapes.C_sha_hezhi.press(0);
    form.shapes.C_sha_hezhi.press(30);
    form.shapes.C_kuadu_sha.press(0);
    form.shapes.C_tsm_sha.press(5);
    form.counts.C_jishu_geshu.press(2);
    form.counts.C_jishu_geshu.press(3);
    form.shapes.C_sha_xingtai_01.press(4);
}

// Grabs a shown window; saves the picture when a folder is named.
void savePicture(QWidget& window, const char* name) {
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    const QString path = screenshotPath(name);
    if (!path.isEmpty()) {
        EXPECT_TRUE(picture.save(path));
    }
}

TEST(Screenshots, Any5WindowWithConditionsAndAResult) {
    Shown<any5::MainForm, gui::Any5Window> shown;
    auto& form = shown.form;
    auto& window = shown.window;

    pressBankers(form);
    pressShapes(form);
    form.entries.T_main_sha_3ma.setText("01 02 03\r\n04 05 06");
    form.entries.Timer_ys_huise.tick();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks")), Qt::LeftButton);

    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    // In logical pixels, so that the pictures can be made at any scale.
    EXPECT_LE(picture.deviceIndependentSize().width(), 1366);
    EXPECT_LE(picture.deviceIndependentSize().height(), 768);
    const QString path = screenshotPath("any5-main.png");
    if (!path.isEmpty()) {
        EXPECT_TRUE(picture.save(path));
    }

    // The condition report beside it, and 查注 of one bet.
    form.C_tongji.press();
    form.tongji.T_chazhu.setText("01 02 08 09 11");
    form.tongji.C_chazhu.press();
    auto* report = window.findChild<QWidget*>(QStringLiteral("Ftongji"));
    ASSERT_TRUE(report->isVisible());
    const QString reportPath = screenshotPath("any5-report.png");
    if (!reportPath.isEmpty()) {
        EXPECT_TRUE(sideBySide(window.grab(), report->grab()).save(reportPath));
    }
}

// 广东11选5 with 300 random draws, added and imported as a player does.
void storeThreeHundredDraws(draws::HistoryForm& history) {
    const auto settled = [&history] { return history.working().empty(); };
    history.drawList().add("广东11选5");
    ASSERT_TRUE(QTest::qWaitFor(settled, 30'000));
    std::mt19937 random(2026);
    std::string draws;
    for (int i = 1; i <= 300; ++i) {
        std::vector<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(numbers.begin(), numbers.end(), random);
        draws += std::to_string(2026112000 + i);
        for (int k = 0; k < 5; ++k) draws += " " + std::to_string(numbers[k]);
        draws += "\n";
    }
    history.drawImport().importText(draws);
    ASSERT_TRUE(QTest::qWaitFor(settled, 30'000));
}

// The draw history's back-test of the conditions above on 100 past draws.
TEST(Screenshots, HistoryWindowWithABacktest) {
    historytest::TempFolder folder;
    Shown<any5::MainForm, gui::Any5Window> shown;
    auto& form = shown.form;
    form.lishi.setDatabasePath(folder.file("history.sqlite"));
    pressShapes(form);
    form.result.C_guolv_ks.press();
    form.C_lishi.press();
    storeThreeHundredDraws(form.lishi);
    form.lishi.backtests().run(100);
    form.lishi.prizeCheck().checkNewest();
    auto* history = shown.window.findChild<QWidget*>(QStringLiteral("Flishi"));
    ASSERT_TRUE(history->isVisible());
    auto* tabs = history->findChild<QTabWidget*>(QStringLiteral("Tab_lishi"));
    savePicture(*history, "any5-history-draws.png");
    tabs->setCurrentIndex(1);
    savePicture(*history, "any5-history.png");

    // The page of rows read against those draws, two of them set.
    form.tabs.C_sst_0.press(7);
    form.past.C_chonghao.press(1);
    form.past.C_chonghao.press(2);
    form.past.C_lenghao.press(0);
    form.past.C_lenghao.press(1);
    auto* page = shown.window.findChild<QWidget*>(QStringLiteral("Frame_ding_7"));
    ASSERT_TRUE(page->isVisible());
    savePicture(*page->parentWidget(), "any5-past.png");
}

// The trend chart of 300 draws in both programs, two values and a number set.
template <class Form, class Window>
void saveTrendPicture(const char* name) {
    historytest::TempFolder folder;
    Shown<Form, Window> shown;
    auto& form = shown.form;
    form.lishi.setDatabasePath(folder.file("history.sqlite"));
    storeThreeHundredDraws(form.lishi);
    form.C_zoushi.press();
    form.past.C_chonghao.press(1);
    form.past.C_chonghao.press(2);
    auto* chart = shown.window.template findChild<QWidget*>(QStringLiteral("F_zoushi"));
    ASSERT_TRUE(chart->isVisible());
    chart->resize(1100, 700);
    QTest::qWait(100);
    savePicture(*chart, name);
}

// 方案对比 of the main picture's conditions with a scheme of the same shapes
// and other counts.
TEST(Screenshots, SchemeComparison) {
    Shown<any5::MainForm, gui::Any5Window> shown;
    auto& form = shown.form;
    pressBankers(form);
    pressShapes(form);
    scheme::Scheme other = any5::captureScheme(form);
    other.oddCounts = {1, 2, 3};
    other.killNumbers.insert(11);
    other.bankers.clear();
    other.tolerance = {0, 1, {}};
    form.duibi.compareWith(other, "any5-example.json");
    form.duibi.show();
    auto* compared = shown.window.findChild<QWidget*>(QStringLiteral("F_duibi"));
    ASSERT_TRUE(compared->isVisible());
    QTest::qWait(50);
    savePicture(*compared, "any5-compare.png");
}

TEST(Screenshots, TrendChartsOfBothPrograms) {
    saveTrendPicture<any5::MainForm, gui::Any5Window>("any5-trend.png");
    saveTrendPicture<front3::MainForm, gui::Front3Window>("front3-trend.png");
}

// 保中缩票 for the survivors of the main picture's buttons, every play solved,
// 任选六 chosen.
TEST(Screenshots, TicketWindowWithEveryPlaySolved) {
    Shown<any5::MainForm, gui::Any5Window> shown;
    auto& form = shown.form;
    pressBankers(form);
    pressShapes(form);
    form.result.C_guolv_ks.press();
    form.baozhong.setTimeLimit(1);
    form.C_baozhong.press();
    ASSERT_TRUE(QTest::qWaitFor([&form] { return !form.baozhong.isRunning(); }, 120'000));
    form.baozhong.chooseRow(4);  // 任选六
    QTest::qWait(150);
    auto* tickets = shown.window.findChild<QWidget*>(QStringLiteral("Fbaozhong"));
    ASSERT_TRUE(tickets->isVisible());
    savePicture(*tickets, "any5-tickets.png");
}

TEST(Screenshots, EveryTabPageAndThePickerBesideTheWindow) {
    Shown<any5::MainForm, gui::Any5Window> shown;
    auto& form = shown.form;
    auto& window = shown.window;
    form.pairs.C_sha2ma.press(0);
    form.pairs.C_chu2ma.press(54);
    form.entries.C_main_sha_3ma.press(0);

    auto* tabArea = window.findChild<QWidget*>(QStringLiteral("Frame_ding_0"))->parentWidget();
    for (std::size_t page = 0; page < form.tabs.pageCount(); ++page) {
        form.tabs.C_sst_0.press(page);
        const QPixmap picture = tabArea->grab();
        ASSERT_FALSE(picture.isNull());
        const QString path =
            screenshotPath(qPrintable(QStringLiteral("any5-tab-%1.png").arg(page)));
        if (!path.isEmpty()) {
            EXPECT_TRUE(picture.save(path));
        }
    }

    form.C_sha_jiou.press();
    form.picker.Timer1.tick();
    form.picker.Ch_jo[0].click();
    form.picker.C_jo_quan_cls.press(2);
    auto* picker = window.findChild<QWidget*>(QStringLiteral("Fjo"));
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->isVisible());
    const QPixmap both = sideBySide(window.grab(), picker->grab());
    const QString path = screenshotPath("any5-picker.png");
    if (!path.isEmpty()) {
        EXPECT_TRUE(both.save(path));
    }

    form.C_jiaoji.press();
    form.jiaoji.T_dd_jiaoji[0].setText("01 02 03 04 05\r\n01 02 03 04 06\r\n01 02 03 04 07");
    form.jiaoji.T_dd_jiaoji[1].setText("01 02 03 04 06\r\n07 08 09 10 11");
    form.jiaoji.C_jiaoji_xuanzhe.press(0);
    auto* tool = window.findChild<QWidget*>(QStringLiteral("Fjiaoji"));
    ASSERT_TRUE(tool->isVisible());
    const QPixmap toolPicture = tool->grab();
    const QString toolPath = screenshotPath("any5-intersection.png");
    if (!toolPath.isEmpty()) {
        EXPECT_TRUE(toolPicture.save(toolPath));
    }

    form.L_shahao_jiqiao.click();
    const char* history[] = {"01 02 03 04 05", "06 07 08 01 02", "09 10 03 04 06", "11 01 02 05 07",
                             "08 09 10 11 03"};
    for (std::size_t box = 0; box < 5; ++box) form.shahao.T_zuijin_kjh[box].setText(history[box]);
    form.shahao.T_zuijin_kjh[5].setText("11 09 10");
    form.shahao.C_dingwei_ww.press(2);
    auto* assistant = window.findChild<QWidget*>(QStringLiteral("Fshahao"));
    ASSERT_TRUE(assistant->isVisible());
    const QPixmap assistantPicture = assistant->grab();
    EXPECT_LE(assistantPicture.deviceIndependentSize().height(), 768);
    const QString assistantPath = screenshotPath("any5-assistant.png");
    if (!assistantPath.isEmpty()) {
        EXPECT_TRUE(assistantPicture.save(assistantPath));
    }
}

TEST(Screenshots, Front3WindowAndEveryTabPage) {
    Shown<front3::MainForm, gui::Front3Window> shown;
    auto& form = shown.form;
    auto& window = shown.window;
    form.numbers.C_danma_chu.press(9);
    form.numbers.C_danma_chu_geshu.press(1);
    form.shapes.C_hezhi.press(0);
    form.shapes.C_sha_xingtai_01.press(2);
    form.shapes.Check_sha_daxiao[0].click();
    form.pages.C_sha2ma.press(0);
    form.pages.C_bichu2ma.press(30);
    form.pages.Check_sha_012[5].click();
    form.pages.C_laji_sha.press(0);
    form.pages.T_main_laji_fushi.setText("01 02 *05 *07 08 09 \r\n01 02");
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks")), Qt::LeftButton);
    // README shows this window: with a result, not an empty list.
    EXPECT_EQ(form.result.count(), 6u);
    form.C_qiansan_jiaoji.press();
    form.jiaoji.T_dd_jiaoji[0].setText("01,02,03\r\n02-01-03\r\n  11 10 09");
    form.jiaoji.C_jiaoji_xuanzhe.press(1);
    const QPixmap toolPicture = window.findChild<QWidget*>(QStringLiteral("Fjiaoji"))->grab();
    const QString toolPath = screenshotPath("front3-intersection.png");
    if (!toolPath.isEmpty()) {
        EXPECT_TRUE(toolPicture.save(toolPath));
    }
    for (std::size_t page = 0; page < form.tabs.pageCount(); ++page) {
        form.tabs.C_sst_0.press(page);
        const QPixmap picture = window.grab();
        EXPECT_LE(picture.deviceIndependentSize().width(), 1366);
        EXPECT_LE(picture.deviceIndependentSize().height(), 768 - 40);
        const QString path =
            screenshotPath(qPrintable(QStringLiteral("front3-tab-%1.png").arg(page)));
        if (!path.isEmpty()) {
            EXPECT_TRUE(picture.save(path));
        }
    }
}

}  // namespace
