#include "app/qt/Any5Window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "any5/panels/MainForm.h"
#include "app/qt/QtHost.h"
#include "app/qt/ResultColumnView.h"

namespace {

// Depth-first search of the accessibility tree for a named object of a role.
QAccessibleInterface* findAccessible(QAccessibleInterface* node, QAccessible::Role role,
                                     const QString& name) {
    if (node == nullptr) return nullptr;
    if (node->role() == role && node->text(QAccessible::Name) == name) return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (auto* found = findAccessible(node->child(i), role, name)) return found;
    }
    return nullptr;
}

class Any5WindowTest : public ::testing::Test {
protected:
    Any5WindowTest() {
        form.load();
        host.setWindow(&window);
        // Room beside the window, whatever the size of the test screen.
        form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2160}; });
        window.show();
    }

    QPushButton* button(const char* name) const {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }

    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

TEST_F(Any5WindowTest, ClickingStartLists462BetsAndTheCount) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("11选5Quorvel  任5版 2014.10.30"));
    auto* list = window.findChild<QListView*>(QStringLiteral("Li_out"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), QStringLiteral("0"));

    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    ASSERT_EQ(list->model()->rowCount(), 462);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("01 02 03 04 05"));
    EXPECT_EQ(list->model()->index(461, 0).data().toString(), QStringLiteral("07 08 09 10 11"));
    EXPECT_EQ(count->text(), QStringLiteral("462"));
    EXPECT_TRUE(button("C_guolv_ks")->isEnabled());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("Frame_jindu"))->isVisible());
}

TEST_F(Any5WindowTest, CopyPutsTheResultOnTheClipboardAndTheTipClosesItself) {
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button("C_copy"), Qt::LeftButton);  // returns once the tip is gone
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), form.result.ResultText);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QStringLiteral("\r\n")), 461);
}

TEST_F(Any5WindowTest, AScreenReaderCanPressStartAndReadTheCount) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    auto* start = findAccessible(root, QAccessible::Button, QStringLiteral("【开始缩水】"));
    ASSERT_NE(start, nullptr);
    ASSERT_NE(start->actionInterface(), nullptr);
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    auto* label = window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label->text() == QStringLiteral("462"); }, 2000));

    auto* count = findAccessible(root, QAccessible::StaticText, QStringLiteral("最后注数"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(QAccessible::Description), QStringLiteral("462"));

    auto* list = findAccessible(root, QAccessible::List, QStringLiteral("缩水结果列表"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->childCount(), 462);
    EXPECT_NE(findAccessible(root, QAccessible::Button, QStringLiteral("复制号码")), nullptr);
    EXPECT_NE(findAccessible(root, QAccessible::CheckBox, QStringLiteral("号码之间逗号隔开")),
              nullptr);
}

TEST_F(Any5WindowTest, ClickedConditionsShowTheirColourAndFilterTheRun) {
    // 胆码1 "01" sits at index 9 but first on screen; count "1"; sum 15 killed.
    auto* banker = button("C_danma_chu_9");
    auto* count = button("C_danma_chu_geshu_1");
    auto* sum = button("C_sha_hezhi_0");
    ASSERT_NE(banker, nullptr);
    ASSERT_NE(count, nullptr);
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(banker->text(), QStringLiteral("01"));
    EXPECT_EQ(sum->text(), QStringLiteral("15"));

    QTest::mouseClick(banker, Qt::LeftButton);
    QTest::mouseClick(count, Qt::LeftButton);
    QTest::mouseClick(sum, Qt::LeftButton);
    EXPECT_EQ(banker->palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_EQ(count->palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_EQ(sum->palette().color(QPalette::Button), QColor(255, 255, 0));

    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    auto* list = window.findChild<QListView*>(QStringLiteral("Li_out"));
    ASSERT_EQ(list->model()->rowCount(), 209);  // the 210 bets with 01, less 01 02 03 04 05
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("01 02 03 04 06"));
    EXPECT_EQ(list->model()->index(208, 0).data().toString(), QStringLiteral("01 08 09 10 11"));
}

TEST_F(Any5WindowTest, EqualCaptionsOfDifferentPanelsAreToldApartByTheirContainer) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    for (const char* panel : {"胆码1", "胆码5", "通杀码", "间距模式过滤", "最小号码"}) {
        QAccessibleInterface* container =
            findAccessible(root, QAccessible::Client, QString::fromUtf8(panel));
        ASSERT_NE(container, nullptr) << panel;
        auto* one = findAccessible(container, QAccessible::Button, QStringLiteral("01"));
        ASSERT_NE(one, nullptr) << panel;
        one->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form.minMax.C_min[0].backColour() == 0x00FF00; }, 2000));
    EXPECT_EQ(form.bankers.C_danma_chu[9].backColour(), 0x00FF00u);
    EXPECT_EQ(form.bankers.C_danma_chu5[0].backColour(), 0x00FF00u);
    EXPECT_EQ(form.shapes.C_tsm_sha[0].backColour(), 0xFFFF00u);
    EXPECT_EQ(form.shapes.C_jiange[0].backColour(), 0xFFFF00u);
    EXPECT_EQ(form.bankers.C_danma_chu2[0].backColour(), 0xF5F4DEu);
}

TEST_F(Any5WindowTest, TypingIntoABoxAfterDoubleClickingItFiltersTheRun) {
    QTest::mouseClick(button("C_sst_0_3"), Qt::LeftButton);
    auto* page = window.findChild<QWidget*>(QStringLiteral("Frame_ding_3"));
    ASSERT_TRUE(page->isVisible());
    auto* box = page->findChild<QPlainTextEdit*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->toPlainText().startsWith(QStringLiteral("输入格式标准：")));

    QTest::mouseDClick(box->viewport(), Qt::LeftButton);
    EXPECT_TRUE(box->toPlainText().isEmpty());
    QTest::keyClicks(box, QStringLiteral("01 02 03"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("09 10 11"));
    EXPECT_EQ(form.entries.T_main_sha_3ma.text(), "01 02 03\r\n09 10 11");

    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    auto* list = window.findChild<QListView*>(QStringLiteral("Li_out"));
    EXPECT_EQ(list->model()->rowCount(), 462 - 28 - 28);
    form.entries.Timer_ys_huise.tick();
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));

    QTest::mouseClick(button("C_all_cls"), Qt::LeftButton);
    EXPECT_TRUE(box->toPlainText().startsWith(QStringLiteral("输入格式标准：")));
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(list->model()->rowCount(), 462);
}

TEST_F(Any5WindowTest, ThePickerOpensBesideTheWindowAndClosesWithItsButton) {
    auto* picker = window.findChild<QWidget*>(QStringLiteral("Fjo"));
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(picker->isVisible());
    QTest::mouseClick(button("C_sha_jiou"), Qt::LeftButton);
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->frameGeometry().left(), window.frameGeometry().right() + 1);
    EXPECT_EQ(picker->frameGeometry().top(), window.frameGeometry().top());

    auto* box = picker->findChild<QCheckBox*>(QStringLiteral("Ch_jo_1"));
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    EXPECT_EQ(form.ParityPatternList, "偶偶偶偶偶*");
    picker->close();
    EXPECT_FALSE(form.picker.isLoaded());
    EXPECT_EQ(button("C_sha_jiou")->palette().color(QPalette::Button), QColor(0xF5, 0xF4, 0xDE));
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(window.findChild<QListView*>(QStringLiteral("Li_out"))->model()->rowCount(), 461);
}

TEST_F(Any5WindowTest, TheIntersectionToolOpensFromItsButtonAndKeepsItsLists) {
    auto* tool = window.findChild<QWidget*>(QStringLiteral("Fjiaoji"));
    ASSERT_NE(tool, nullptr);
    EXPECT_FALSE(tool->isVisible());
    QTest::mouseClick(button("C_jiaoji"), Qt::LeftButton);
    ASSERT_TRUE(tool->isVisible());
    EXPECT_EQ(tool->windowTitle(), QStringLiteral("交集工具"));

    auto* listA = tool->findChild<QPlainTextEdit*>(QStringLiteral("T_dd_jiaoji_0"));
    QTest::keyClicks(listA, QStringLiteral("01 02 03 04 05"));
    QTest::mouseClick(tool->findChild<QPushButton*>(QStringLiteral("C_jiaoji_xuanzhe_1")),
                      Qt::LeftButton);
    EXPECT_EQ(tool->findChild<QPlainTextEdit*>(QStringLiteral("T_dd_jiaoji_2"))->toPlainText(),
              QStringLiteral("01 02 03 04 05\n"));
    EXPECT_EQ(tool->findChild<QPlainTextEdit*>(QStringLiteral("T_jiaoji_zhushu"))->toPlainText(),
              QStringLiteral("1"));

    tool->close();
    EXPECT_FALSE(tool->isVisible());
    QTest::mouseClick(button("C_jiaoji"), Qt::LeftButton);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(listA->toPlainText(), QStringLiteral("01 02 03 04 05"));
}

TEST_F(Any5WindowTest, TheAssistantOpensFromItsLinkAndPresetsTheMainWindow) {
    auto* assistant = window.findChild<QWidget*>(QStringLiteral("Fshahao"));
    ASSERT_NE(assistant, nullptr);
    EXPECT_FALSE(assistant->isVisible());
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("L_shahao_jiqiao")), Qt::LeftButton);
    ASSERT_TRUE(assistant->isVisible());
    EXPECT_EQ(assistant->frameGeometry().left(), window.frameGeometry().right() + 1);

    const char* history[] = {"01 02 03 04 05", "01 02 03 04 06", "01 02 03 04 07", "01 02 03 04 08",
                             "01 02 03 04 09"};
    for (int box = 0; box < 5; ++box) {
        auto* draw =
            assistant->findChild<QPlainTextEdit*>(QStringLiteral("T_zuijin_kjh_%1").arg(box));
        QTest::keyClicks(draw, QString::fromUtf8(history[box]));
    }
    // The success message is modal: the player presses OK.
    QString shown;
    QTimer::singleShot(100, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(assistant->findChild<QPushButton*>(QStringLiteral("C_shahao_sandan")),
                      Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("选号成功，请点击首页<开始缩水>"));
    EXPECT_EQ(
        assistant->findChild<QPlainTextEdit*>(QStringLiteral("T_zuijin_kjh_5"))->toPlainText(),
        QStringLiteral("10 11 09"));
    EXPECT_EQ(button("C_danma_chu_8")->palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_EQ(button("C_sha2ma_54")->palette().color(QPalette::Button), QColor(255, 255, 0));

    QTest::mouseClick(assistant->findChild<QPushButton*>(QStringLiteral("C_shahao_jiaocheng")),
                      Qt::LeftButton);
    auto* tutorial = assistant->findChild<QWidget*>(QStringLiteral("Fsha_jiaocheng"));
    ASSERT_NE(tutorial, nullptr);
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_EQ(tutorial->windowTitle(), QStringLiteral("杀号教程"));
    EXPECT_TRUE(tutorial->findChild<QPlainTextEdit*>()->toPlainText().contains(
        QStringLiteral("更新最近1期并重新排列最近5期")));
}

// The period chooser lies over the pad: each of its entries must be the
// widget under its own centre, not a pad or confirm button drawn on top; and
// every bare spot of the window turns the confirm buttons white.
TEST_F(Any5WindowTest, TheAssistantsChooserTakesItsClicksAndBareSpotsWhitenTheConfirmButtons) {
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("L_shahao_jiqiao")), Qt::LeftButton);
    auto* assistant = window.findChild<QWidget*>(QStringLiteral("Fshahao"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(assistant));
    for (int row = 0; row < 5; ++row) form.shahao.padRow(row).press(static_cast<std::size_t>(row));
    form.shahao.C_shahao_queren.press(0);
    const auto* chooser = assistant->findChild<QWidget*>(QStringLiteral("F_shahao_xiala"));
    ASSERT_TRUE(chooser->isVisible());
    const auto entries = chooser->findChildren<QPushButton*>(
        QRegularExpression(QStringLiteral("^C_shahao_gengxin_\\d$")));
    ASSERT_EQ(entries.size(), form.shahao.C_shahao_gengxin.size());
    for (auto* entry : entries) {
        SCOPED_TRACE(entry->text().toStdString());
        const QPoint centre = entry->mapTo(assistant, entry->rect().center());
        EXPECT_EQ(assistant->childAt(centre), entry);
        EXPECT_TRUE(assistant->rect().contains(centre));
    }
    QTest::mouseClick(entries.back(), Qt::LeftButton);
    EXPECT_EQ(form.shahao.C_shahao_gengxin[entries.size() - 1].backColour(), 0x00FF00u);
    form.shahao.C_shahao_tuichu.press();

    const auto whiteConfirmButtons = [&] {
        return form.shahao.C_shahao_queren.countWithColour(0xFFFFFF);
    };
    const auto* pad0 = assistant->findChild<QPushButton*>(QStringLiteral("C_dingwei_ww_0"));
    const auto* pad1 = assistant->findChild<QPushButton*>(QStringLiteral("C_dingwei_ww_1"));
    ASSERT_NE(pad0, nullptr);
    ASSERT_NE(pad1, nullptr);
    const QPoint betweenPads = (pad0->mapTo(assistant, pad0->rect().topRight()) +
                                pad1->mapTo(assistant, pad1->rect().bottomLeft())) /
                               2;
    const QLabel* hint = nullptr;
    for (const auto* label : assistant->findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("万位千位"))) hint = label;
    }
    ASSERT_NE(hint, nullptr);
    for (const QPoint bare : {betweenPads, hint->mapTo(assistant, hint->rect().center())}) {
        form.shahao.C_shahao_queren[1].mouseMove();
        ASSERT_EQ(form.shahao.C_shahao_queren.countWithColour(0x00FF00), 2u);
        QTest::mouseMove(assistant, bare);
        EXPECT_EQ(whiteConfirmButtons(), 2u) << bare.x() << "," << bare.y();
    }
}

TEST_F(Any5WindowTest, ClosingTheMainWindowEndsTheProgramWithASideWindowOpen) {
    QTest::mouseClick(button("C_sha_jiou"), Qt::LeftButton);
    ASSERT_TRUE(window.findChild<QWidget*>(QStringLiteral("Fjo"))->isVisible());
    QTimer::singleShot(0, &window, [this] { window.close(); });
    QTimer giveUp;  // firing would mean the program did not end
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    giveUp.stop();
}

// Its panels need no scrolling on 1366 x 768 less a task bar, a title bar
// and borders.
TEST_F(Any5WindowTest, FitsA1366By768Screen) {
    const QSize smallest = window.minimumSizeHint();
    EXPECT_LE(smallest.width(), 1366 - 16);
    EXPECT_LE(smallest.height(), 768 - 40 - 44);
}

}  // namespace
