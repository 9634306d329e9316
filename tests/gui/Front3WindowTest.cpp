#include "app/qt/Front3Window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/qt/QtHost.h"
#include "front3/MainForm.h"

namespace {

class Front3WindowTest : public ::testing::Test {
protected:
    Front3WindowTest() {
        form.load();
        host.setWindow(&window);
        window.show();
    }
    QPushButton* button(const char* name) const {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    QListView* list() const { return window.findChild<QListView*>(QStringLiteral("Li_out")); }

    gui::QtHost host;
    front3::MainForm form{host};
    gui::Front3Window window{form};
};

TEST_F(Front3WindowTest, RunConvertAndCountThroughTheRealButtons) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("11选5Quorvel 前三版 2014.10.30"));
    EXPECT_FALSE(window.findChild<QPlainTextEdit*>(QStringLiteral("T_dd_by"))->isVisible());
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    ASSERT_EQ(list()->model()->rowCount(), 990);
    EXPECT_EQ(list()->model()->index(0, 0).data().toString(), QStringLiteral("01 02 03"));

    // The second row runs "11".."01" by index, so its "05" is index 17.
    auto* secondFive = button("C_dingwei_sha_17");
    ASSERT_NE(secondFive, nullptr);
    EXPECT_EQ(secondFive->text(), QStringLiteral("05"));
    QTest::mouseClick(secondFive, Qt::LeftButton);
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(list()->model()->rowCount(), 900);

    QTest::mouseClick(button("C_guolv_zhuan_zuxuan"), Qt::LeftButton);
    EXPECT_EQ(list()->model()->rowCount(), 165);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"))->text(),
              QStringLiteral("165"));
}

TEST_F(Front3WindowTest, TheBuilderAndTheNoteAboutUnreadableLines) {
    QTest::mouseClick(button("C_sst_0_1"), Qt::LeftButton);
    QTest::mouseClick(button("C_laji_sha_0"), Qt::LeftButton);
    QTest::mouseClick(button("C_laji_sha_12"), Qt::LeftButton);
    QTest::mouseClick(button("C_laji_sha_24"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("C_laji_add")), Qt::LeftButton);
    EXPECT_EQ(form.pages.T_main_laji_fushi.text(), "01 *02 *03 ");

    auto* box =
        window.findChild<QWidget*>(QStringLiteral("Frame_ding_1"))->findChild<QPlainTextEdit*>();
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("04 05 06"));
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(list()->model()->rowCount(), 989);
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("L_tishi"))
                    ->text()
                    .contains(QStringLiteral("1行")));
}

TEST_F(Front3WindowTest, TheIntersectionToolOpensWithItsProgressPanelHidden) {
    QTest::mouseClick(button("C_qiansan_jiaoji"), Qt::LeftButton);
    auto* tool = window.findChild<QWidget*>(QStringLiteral("Fjiaoji"));
    ASSERT_TRUE(tool->isVisible());
    auto* listA = tool->findChild<QPlainTextEdit*>(QStringLiteral("T_dd_jiaoji_0"));
    QTest::keyClicks(listA, QStringLiteral("03-02-01"));
    QTest::mouseClick(tool->findChild<QPushButton*>(QStringLiteral("C_jiaoji_xuanzhe_1")),
                      Qt::LeftButton);
    EXPECT_EQ(listA->toPlainText(), QStringLiteral("03 02 01"));
    EXPECT_EQ(tool->findChild<QPlainTextEdit*>(QStringLiteral("T_jiaoji_zhushu"))->toPlainText(),
              QStringLiteral("1"));
    EXPECT_FALSE(form.jiaoji.Fjindu.isVisible());
}

}  // namespace
