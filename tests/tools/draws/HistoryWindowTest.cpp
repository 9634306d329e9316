#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <fstream>
#include <random>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"
#include "app/qt/SideWindowColours.h"
#include "tests/history/TempFolder.h"

namespace {

// `count` draws, oldest first, issues 2026120001 on, as a player pastes them.
std::string pastedDraws(int count) {
    std::mt19937 random(7);
    std::string text = "期号 开奖号码\n";
    for (int i = 1; i <= count; ++i) {
        std::vector<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(numbers.begin(), numbers.end(), random);
        text += std::to_string(2026120000 + i);
        for (int k = 0; k < 5; ++k) text += (k == 0 ? " " : ",") + std::to_string(numbers[k]);
        text += "\n";
    }
    return text;
}

class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest() {
        form.lishi.setDatabasePath(folder.file("history.sqlite"));
        form.load();
        host.setWindow(&window);
        form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2160}; });
        window.show();
    }
    template <class Widget = QPushButton>
    Widget* find(const char* name) const {
        return window.findChild<Widget*>(QLatin1String(name));
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // Store calls answer later, on this thread.
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return form.lishi.working().empty(); }, 30'000));
    }
    QString cell(const char* table, int row, int column, int role = Qt::DisplayRole) const {
        const QAbstractItemModel* model = find<QTableView>(table)->model();
        return model->index(row, column).data(role).toString();
    }
    int rows(const char* table) const { return find<QTableView>(table)->model()->rowCount(); }
    QString status() const { return find<QLabel>("L_lishi_zhuangtai")->text(); }
    // 开奖历史 opened, and 广东11选5 added as a player adds it.
    void openWithALottery() {
        click("C_lishi");
        find<QLineEdit>("T_caizhong_xin")->setText(QStringLiteral("广东11选5"));
        click("C_caizhong_tianjia");
        settle();
    }

    historytest::TempFolder folder;
    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

// A player adds a lottery, pastes 150 draws, back-tests his conditions on the
// newest 100, checks his result against the newest draw and fills the
// assistant from the history; deleting asks first.
TEST_F(HistoryWindowTest, ImportBacktestCheckAndFillTheAssistant) {
    click("C_lishi");
    ASSERT_TRUE(find<QWidget>("Flishi")->isVisible());
    find<QLineEdit>("T_caizhong_xin")->setText(QStringLiteral("广东11选5"));
    click("C_caizhong_tianjia");
    settle();
    find<QPlainTextEdit>("T_kaijiang_zhantie")
        ->setPlainText(QString::fromStdString(pastedDraws(150)));
    click("C_kaijiang_daoru");
    settle();
    EXPECT_EQ(status(), QStringLiteral("导入 150 期，跳过重复 0 期，错误 0 行"));
    EXPECT_TRUE(find<QPlainTextEdit>("T_kaijiang_zhantie")->toPlainText().isEmpty());
    auto* drawsTable = find<QTableView>("Li_kaijiang");
    ASSERT_EQ(rows("Li_kaijiang"), 150);
    EXPECT_EQ(cell("Li_kaijiang", 0, 0), QStringLiteral("2026120150"));

    click("C_duijiang_zuixin");  // nothing run yet
    EXPECT_EQ(find<QLabel>("L_duijiang_jieguo")->text(),
              QStringLiteral("2026120150 期  还没有缩水结果：请先按【开始缩水】\n"));
    click("C_tsm_sha_0");    // 杀 01
    click("C_sha_hezhi_0");  // 杀和值 15
    click("C_guolv_ks");
    find<QTabWidget>("Tab_lishi")->setCurrentIndex(1);
    click("C_huice");
    const auto& backtest = form.lishi.backtests().backtest();
    ASSERT_TRUE(backtest.has_value());
    ASSERT_EQ(backtest->draws.size(), 100u);
    ASSERT_EQ(rows("Li_huice"), 2);
    EXPECT_EQ(cell("Li_huice", 0, 0), QStringLiteral("杀和值"));
    EXPECT_EQ(cell("Li_huice", 1, 2), QStringLiteral("45.5%"));  // 210 of 462 hold 01
    // 错杀率 is red exactly where the condition did worse than chance.
    for (int r = 0; r < 2; ++r) {
        const auto& condition = backtest->conditions[static_cast<std::size_t>(r)];
        const bool isRed = find<QTableView>("Li_huice")
                               ->model()
                               ->index(r, 3)
                               .data(Qt::ForegroundRole)
                               .value<QColor>() == gui::kStruck;
        EXPECT_EQ(isRed, backtest->winnerShare(condition) > backtest->betShare(condition));
    }
    // Each back-tested draw says whether its winner survived and what it broke:
    // 通杀码 exactly when it holds 01. The older draws were not back-tested.
    int holdingOne = 0;
    for (int r = 0; r < 100; ++r) {
        SCOPED_TRACE(r);
        const bool holdsOne = cell("Li_kaijiang", r, 1).contains(QStringLiteral("01"));
        holdingOne += holdsOne ? 1 : 0;
        const QString broken = cell("Li_kaijiang", r, 3);
        EXPECT_EQ(broken.contains(QStringLiteral("通杀码")), holdsOne);
        EXPECT_EQ(cell("Li_kaijiang", r, 2),
                  broken.isEmpty() ? QStringLiteral("保留") : QStringLiteral("被杀"));
    }
    EXPECT_EQ(cell("Li_kaijiang", 100, 2), QString());
    EXPECT_EQ(cell("Li_huice", 1, 4).toInt(), holdingOne);
    EXPECT_TRUE(
        find<QLabel>("L_huice_zongjie")
            ->text()
            .startsWith(
                QStringLiteral("回测 100 期：中奖号保留 %1 期").arg(backtest->winnersSurvived)));
    auto* shares = find<QChartView>("Chart_huice_tiaojian")->chart();
    ASSERT_EQ(shares->series().size(), 1);
    EXPECT_EQ(qobject_cast<QAbstractBarSeries*>(shares->series().constFirst())->count(), 2);
    EXPECT_EQ(find<QChartView>("Chart_huice_qishu")->chart()->series().size(), 2);

    click("C_duijiang_zuixin");
    EXPECT_TRUE(find<QLabel>("L_duijiang_jieguo")
                    ->text()
                    .startsWith(QStringLiteral("2026120150 期  对奖 ")));
    find<QLineEdit>("T_duijiang")->setText(QStringLiteral("02 03 04 05 06"));
    click("C_duijiang");
    EXPECT_TRUE(find<QLabel>("L_duijiang_jieguo")
                    ->text()
                    .startsWith(QStringLiteral("对奖 02 03 04 05 06：中了")));

    form.shahao.show();
    click("C_shahao_lishi");
    settle();
    EXPECT_EQ(form.shahao.T_zuijin_kjh[0].text(), cell("Li_kaijiang", 0, 1).toStdString());
    EXPECT_EQ(form.shahao.T_zuijin_kjh[4].text(), cell("Li_kaijiang", 4, 1).toStdString());

    // 否 keeps the draws, 是 deletes the rows selected.
    drawsTable->selectRow(0);
    QTest::mouseClick(drawsTable->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      drawsTable->visualRect(drawsTable->model()->index(2, 0)).center());
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(answer)->click();
        });
        click("C_kaijiang_shanchu");
        settle();
    }
    EXPECT_EQ(rows("Li_kaijiang"), 148);
    EXPECT_EQ(status(), QStringLiteral("已删除 2 期"));
    EXPECT_EQ(cell("Li_kaijiang", 0, 0), QStringLiteral("2026120149"));
    EXPECT_EQ(cell("Li_kaijiang", 1, 0), QStringLiteral("2026120147"));
    // The back-test spoke of the draws before; it is gone with them.
    EXPECT_EQ(rows("Li_huice"), 0);
    EXPECT_EQ(cell("Li_kaijiang", 0, 2), QString());
}

// What a player reads: the draws counted, the columns a back-test fills said
// so, a period longer than the draws said so; with 7 conditions every one
// has its row in the table and its label on the bars, and the strip names
// its oldest draw at the left and its newest at the right.
TEST_F(HistoryWindowTest, TheBacktestNamesEveryConditionAndTheStripsEnds) {
    openWithALottery();
    auto* period = find<QSpinBox>("N_huice_qishu");
    auto* periodNote = find<QLabel>("L_huice_quanbu");
    period->setValue(200);
    EXPECT_EQ(periodNote->text(), QString());  // nothing stored yet
    find<QPlainTextEdit>("T_kaijiang_zhantie")
        ->setPlainText(QString::fromStdString(pastedDraws(150)));
    click("C_kaijiang_daoru");
    settle();
    EXPECT_EQ(find<QLabel>("L_kaijiang_qishu")->text(), QStringLiteral("共 150 期"));
    EXPECT_EQ(periodNote->text(), QStringLiteral("只有 150 期，回测全部"));
    const QAbstractItemModel* drawsModel = find<QTableView>("Li_kaijiang")->model();
    for (const int column : {2, 3}) {
        EXPECT_EQ(drawsModel->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  QStringLiteral("按【回测】后填写"));
    }
    auto* untested = find<QLabel>("L_kaijiang_weihuice");
    EXPECT_FALSE(untested->isHidden());
    period->setValue(100);
    EXPECT_EQ(periodNote->text(), QString());

    for (const char* kill :
         {"C_tsm_sha_0", "C_sha_hezhi_0", "C_kuadu_sha_0", "C_zuobian_sha_heiwei_0",
          "C_dahao_geshu_2", "C_jishu_geshu_2", "C_sha_xingtai_01_0"})
        click(kill);
    find<QTabWidget>("Tab_lishi")->setCurrentIndex(1);
    click("C_huice");
    QCoreApplication::processEvents();
    ASSERT_EQ(rows("Li_huice"), 7);
    EXPECT_TRUE(untested->isHidden());
    auto* table = find<QTableView>("Li_huice");
    EXPECT_LE(table->rowViewportPosition(6) + table->rowHeight(6), table->viewport()->height());
    QChart* shares = find<QChartView>("Chart_huice_tiaojian")->chart();
    const auto axes = shares->axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 1);
    auto* conditions = qobject_cast<QBarCategoryAxis*>(axes.constFirst());
    ASSERT_NE(conditions, nullptr);
    EXPECT_EQ(conditions->count(), 7);
    EXPECT_GE(shares->plotArea().height(), 7 * QFontMetrics(conditions->labelsFont()).height());

    EXPECT_EQ(find<QLabel>("L_huice_zuizao")->text(), QStringLiteral("2026120051"));
    EXPECT_EQ(find<QLabel>("L_huice_zuixin")->text(), QStringLiteral("2026120150"));
    QWidget* strip = find<QChartView>("Chart_huice_qishu")->viewport();
    for (const auto& [x, issue] :
         {std::pair{1, "2026120051："}, {strip->width() - 2, "2026120150："}}) {
        const QPoint at(x, strip->height() / 2);
        QHelpEvent hover(QEvent::ToolTip, at, strip->mapToGlobal(at));
        QCoreApplication::sendEvent(strip, &hover);
        EXPECT_TRUE(QToolTip::text().startsWith(QString::fromUtf8(issue)))
            << QToolTip::text().toStdString();
    }
}

// A file that is no history says so in the window, is left as it was, and the
// program goes on filtering.
TEST_F(HistoryWindowTest, AFileThatIsNoHistoryIsLeftAloneAndTheProgramGoesOn) {
    const std::string bytes = "not a database, but the player's notes\n";
    historytest::writeBytes(folder.file("history.sqlite"), bytes);
    click("C_lishi");
    settle();
    EXPECT_TRUE(status().contains(QStringLiteral("不是开奖历史文件"))) << status().toStdString();
    find<QPlainTextEdit>("T_kaijiang_zhantie")->setPlainText(QStringLiteral("03 07 01 11 05"));
    click("C_kaijiang_daoru");
    settle();
    EXPECT_EQ(historytest::bytesOf(folder.file("history.sqlite")), bytes);
    click("C_tsm_sha_0");
    click("C_guolv_ks");
    EXPECT_EQ(form.result.count(), 252u);
}

// A known issue with other numbers is a conflict: the paste stays for the
// player to mend; with 覆盖已有期号 ticked it replaces the stored numbers.
TEST_F(HistoryWindowTest, AConflictingPasteStaysUnlessReplacingIsTicked) {
    openWithALottery();
    auto* box = find<QPlainTextEdit>("T_kaijiang_zhantie");
    box->setPlainText(QStringLiteral("2026120801 03 07 01 11 05"));
    click("C_kaijiang_daoru");
    settle();
    const QString changed = QStringLiteral("2026120801 04 05 06 07 08");
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        box->setPlainText(changed);
        find<QCheckBox>("Check_fugai")->setChecked(replace);
        click("C_kaijiang_daoru");
        settle();
        EXPECT_EQ(box->toPlainText(), replace ? QString() : changed);
        EXPECT_EQ(cell("Li_kaijiang", 0, 1),
                  replace ? QStringLiteral("04 05 06 07 08") : QStringLiteral("03 07 01 11 05"));
        EXPECT_TRUE(status().contains(QStringLiteral("冲突")) != replace) << status().toStdString();
    }
}

// A paste too big for the box is refused with a clear answer and the box
// keeps what it had.
TEST_F(HistoryWindowTest, AHugePasteIsRefusedAndLosesNothing) {
    click("C_lishi");
    settle();
    auto* box = find<QPlainTextEdit>("T_kaijiang_zhantie");
    box->setPlainText(QStringLiteral("03 07 01 11 05"));
    QGuiApplication::clipboard()->setText(QString(50 << 20, QLatin1Char('1')));
    box->selectAll();
    box->paste();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("03 07 01 11 05"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("粘贴的文字太大（50 MB，最多 2 MB）")))
        << status().toStdString();
}

// An import that runs long shows a bar of how far it got, in thousands of
// lines, and hides it when done (here the quiet time is none).
TEST_F(HistoryWindowTest, ALongImportShowsHowFarItGot) {
    openWithALottery();
    form.lishi.drawImport().setQuietTime(std::chrono::milliseconds(0));
    auto* bar = find<QProgressBar>("P_daoru_jindu");
    std::vector<std::pair<int, int>> shown;  // value, maximum, while visible
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        if (bar->isVisible()) shown.emplace_back(value, bar->maximum());
    });
    find<QPlainTextEdit>("T_kaijiang_zhantie")
        ->setPlainText(QString::fromStdString(pastedDraws(20000)));
    click("C_kaijiang_daoru");
    settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().second, 21);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(rows("Li_kaijiang"), 20000);
}

}  // namespace

namespace {

// A player without a history types the previous draw; with one, the page
// shows the newest draw and the classes, the rows he sets strike what their
// definitions say, the back-test leaves out the draws with too few before
// them, and once the draws are deleted the rows are disabled and the result
// says that a row lacks its history.
TEST_F(HistoryWindowTest, RowsReadAgainstPastDrawsFollowTheHistory) {
    click("C_sst_0_7");
    auto* previous = find<QLabel>("L_shangqi");
    ASSERT_TRUE(previous->isVisible());
    EXPECT_EQ(previous->text(), QStringLiteral("上期：没有开奖历史，可在“上期号码”里输入"));
    EXPECT_FALSE(find("C_chonghao_2")->isEnabled());
    auto* typed = find<QPlainTextEdit>("T_shangqi");
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("03 07 01 11 05"));
    EXPECT_EQ(previous->text(), QStringLiteral("上期：03 07 01 11 05（手工输入）"));
    EXPECT_TRUE(find("C_chonghao_2")->isEnabled());
    EXPECT_FALSE(find("C_lenghao_0")->isEnabled());
    typed->clear();

    openWithALottery();
    find<QPlainTextEdit>("T_kaijiang_zhantie")
        ->setPlainText(QString::fromStdString(pastedDraws(30)));
    click("C_kaijiang_daoru");
    settle();
    const auto& stored = form.lishi.drawList().draws();
    ASSERT_EQ(stored.size(), 30u);
    EXPECT_EQ(previous->text(),
              QStringLiteral("上期：%1（广东11选5 第 2026120030 期）")
                  .arg(QString::fromStdString(history::drawText(stored[0].numbers))));
    EXPECT_TRUE(find<QLabel>("L_rewenleng")->text().startsWith(QStringLiteral("热 ")));

    for (const char* name : {"C_chonghao_1", "C_chonghao_2", "C_lenghao_0", "C_lenghao_1"})
        click(name);
    click("C_guolv_ks");
    // The bets kept, counted from the definitions: one or two numbers of the
    // newest draw, at most one of the numbers drawn 3 times or fewer of 10.
    engine::BetMask newest = 0;
    engine::BetMask cold = 0;
    for (int n = 1; n <= 11; ++n) {
        int hits = 0;
        for (std::size_t d = 0; d < 10; ++d) {
            const auto& numbers = stored[d].numbers;
            const bool holds = std::find(numbers.begin(), numbers.end(), n) != numbers.end();
            hits += holds ? 1 : 0;
            if (d == 0 && holds) newest |= engine::bitOf(n);
        }
        if (hits <= 3) cold |= engine::bitOf(n);
    }
    int kept = 0;
    for (engine::BetMask bet = 0; bet < 0x800; ++bet) {
        if (engine::countNumbers(bet) != 5) continue;
        const int repeat = engine::countNumbers(static_cast<engine::BetMask>(bet & newest));
        const int colds = engine::countNumbers(static_cast<engine::BetMask>(bet & cold));
        kept += (repeat == 1 || repeat == 2) && colds <= 1 ? 1 : 0;
    }
    EXPECT_EQ(find<QLabel>("dadi_zhushu")->text(), QString::number(kept));
    click("C_tongji");
    const auto& rows = form.tongji.report().rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "重号个数");
    EXPECT_EQ(rows[0].summary, "出 1 2");
    EXPECT_EQ(rows[1].summary, "出 0 1（近 10 期，热≥6，冷≤3）");

    find<QTabWidget>("Tab_lishi")->setCurrentIndex(1);
    click("C_huice");
    const auto& backtest = form.lishi.backtests().backtest();
    ASSERT_TRUE(backtest.has_value());
    EXPECT_EQ(backtest->judgedDraws, 20);
    EXPECT_TRUE(find<QLabel>("L_huice_zongjie")
                    ->text()
                    .contains(QStringLiteral("前 10 期开奖历史不足，未计入")));
    EXPECT_NE(cell("Li_kaijiang", 19, 2), QStringLiteral("不可回测"));
    EXPECT_EQ(cell("Li_kaijiang", 20, 2), QStringLiteral("不可回测"));

    find<QTableView>("Li_kaijiang")->selectAll();
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    click("C_kaijiang_shanchu");
    settle();
    EXPECT_EQ(previous->text(), QStringLiteral("上期：没有开奖历史，可在“上期号码”里输入"));
    EXPECT_FALSE(find("C_chonghao_1")->isEnabled());
    click("C_guolv_ks");
    EXPECT_EQ(find<QLabel>("dadi_zhushu")->text(), QStringLiteral("462  有条件缺少开奖历史"));
    form.tongji.refreshIfChanged();
    EXPECT_EQ(engine::noteOf(form.tongji.report().rows[0]), "未应用：缺少开奖历史：没有上期开奖号");
}

}  // namespace
