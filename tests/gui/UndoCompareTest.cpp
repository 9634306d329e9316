#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"
#include "tests/gui/FileDialogAnswer.h"

namespace {

class UndoCompareTest : public ::testing::Test {
protected:
    UndoCompareTest() {
        form.load();
        host.setWindow(&window);
        window.show();
    }
    QPushButton* button(const char* name) const {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    // A round of the event loop that waits, as after every click: the
    // history takes its step then.
    static void settle() {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    void click(const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        settle();
    }

    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
    QTemporaryDir folder;
};

// Conditions set and saved, 清空所有条件, Ctrl+Z brings them back and the
// report shows them; then the saved scheme compared with them, and the bets
// only the scheme keeps copied.
TEST_F(UndoCompareTest, CtrlZUndoesClearAllAndTheComparisonCopiesTheSchemesOwnBets) {
    EXPECT_FALSE(button("C_chexiao")->isEnabled());
    click("C_sha_hezhi_0");  // 杀和值 15
    click("C_tsm_sha_0");    // 杀 01
    const QString saved = folder.filePath(QStringLiteral("a.json"));
    guitest::clickAnsweringFileDialog(button("C_fangan_baocun"), saved);
    click("C_all_cls");
    ASSERT_EQ(form.shapes.C_tsm_sha[0].backColour(), toolkit::palette::kCream);
    EXPECT_EQ(button("C_chexiao")->toolTip(), QStringLiteral("撤销：清空所有条件"));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button("C_all_cls")->setFocus();  // as the click leaves it
    QTest::keyClick(button("C_all_cls"), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(form.shapes.C_tsm_sha[0].backColour(), toolkit::palette::kYellow);
    EXPECT_EQ(form.shapes.C_sha_hezhi[0].backColour(), toolkit::palette::kYellow);
    form.tongji.refreshIfChanged();
    ASSERT_EQ(form.tongji.report().rows.size(), 2u);
    EXPECT_EQ(form.tongji.report().rows[0].name, "杀和值");
    EXPECT_TRUE(button("C_chongzuo")->isEnabled());

    click("C_tsm_sha_1");  // and 杀 02, which the scheme does not kill
    EXPECT_FALSE(button("C_chongzuo")->isEnabled());
    guitest::clickAnsweringFileDialog(button("C_fangan_duibi"), saved);
    auto* compared = window.findChild<QWidget*>(QStringLiteral("F_duibi"));
    ASSERT_TRUE(compared->isVisible());
    auto* table = compared->findChild<QTableWidget*>(QStringLiteral("Li_duibi"));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("杀和值"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("相同"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("杀 01 02"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("不同"));
    // Without 01: 252 bets; those holding 02 (C(9,4) = 126) only the scheme keeps.
    EXPECT_EQ(compared->findChild<QLabel*>(QStringLiteral("L_duibi_jieguo"))->text(),
              QStringLiteral("共同 126 注，只在当前 0 注，只在方案 126 注"));
    QTest::mouseClick(compared->findChild<QPushButton*>(QStringLiteral("C_duibi_fangan")),
                      Qt::LeftButton);
    const QStringList copied =
        QApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 126);
    EXPECT_TRUE(copied.front().contains(QStringLiteral("02")));

    QTest::mouseClick(compared->findChild<QPushButton*>(QStringLiteral("C_duibi_tihuan")),
                      Qt::LeftButton);
    settle();
    EXPECT_EQ(form.shapes.C_tsm_sha[1].backColour(), toolkit::palette::kCream);
    EXPECT_EQ(button("C_chexiao")->toolTip(), QStringLiteral("撤销：载入方案 a.json"));
}

}  // namespace
