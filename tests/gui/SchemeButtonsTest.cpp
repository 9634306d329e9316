#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Front3Window.h"
#include "app/qt/QtHost.h"
#include "front3/MainForm.h"
#include "scheme/SchemeFiles.h"
#include "tests/gui/FileDialogAnswer.h"

namespace {

template <class Form, class Window>
class SchemeButtons : public ::testing::Test {
protected:
    SchemeButtons() {
        form.load();
        host.setWindow(&window);
        window.show();
    }

    QPushButton* button(const char* name) const {
        return window.template findChild<QPushButton*>(QLatin1String(name));
    }
    QString clickWithFile(const char* name, const QString& path) {
        return guitest::clickAnsweringFileDialog(button(name), path);
    }
    QString count() const {
        return window.template findChild<QLabel*>(QStringLiteral("dadi_zhushu"))->text();
    }

    gui::QtHost host;
    Form form{host};
    Window window{form};
    QTemporaryDir folder;
};

using Any5SchemeButtons = SchemeButtons<any5::MainForm, gui::Any5Window>;
using Front3SchemeButtons = SchemeButtons<front3::MainForm, gui::Front3Window>;

TEST_F(Any5SchemeButtons, SaveClearLoadThroughTheFileDialogsGivesTheSameResult) {
    ASSERT_NE(button("C_fangan_baocun"), nullptr);
    EXPECT_EQ(button("C_fangan_baocun")->text(), QStringLiteral("保存方案"));
    EXPECT_EQ(button("C_fangan_zairu")->text(), QStringLiteral("载入方案"));
    QTest::mouseClick(button("C_tsm_sha_0"), Qt::LeftButton);    // kill 01
    QTest::mouseClick(button("C_kuadu_sha_0"), Qt::LeftButton);  // kill span 4
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    const QString before = count();
    EXPECT_NE(before, QStringLiteral("462"));

    const QString path = folder.filePath(QStringLiteral("mine"));  // ".json" is added
    EXPECT_EQ(clickWithFile("C_fangan_baocun", path), QStringLiteral("保存方案|方案文件 (*.json)"));
    const auto saved = scheme::readFile((path + QStringLiteral(".json")).toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved,
              "{\n  \"edition\": \"any5\",\n  \"killNumbers\": [\n    1\n  ],\n"
              "  \"killSpans\": [\n    4\n  ]\n}\n");

    QTest::mouseClick(button("C_all_cls"), Qt::LeftButton);
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(count(), QStringLiteral("462"));
    EXPECT_EQ(clickWithFile("C_fangan_zairu", path + QStringLiteral(".json")),
              QStringLiteral("载入方案|方案文件 (*.json)"));
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(count(), before);
}

TEST_F(Any5SchemeButtons, ABadFileShowsOneMessageAndChangesNothing) {
    const QString path = folder.filePath(QStringLiteral("bad.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"edition": "any5", "killNumbers": [1], "killSpans": [12]})");
    file.close();

    QString shown;
    QTimer::singleShot(400, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    clickWithFile("C_fangan_zairu", path);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("载入方案出错|"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("\"killSpans\" 里的 12"))) << shown.toStdString();
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(count(), QStringLiteral("462"));  // killNumbers was not applied either
}

TEST_F(Front3SchemeButtons, LoadingAFileSetsTheControlsShownInTheWindow) {
    ASSERT_NE(button("C_fangan_baocun"), nullptr);
    const QString path = folder.filePath(QStringLiteral("f3.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"edition": "front3", "killNumbers": [1, 2]})");
    file.close();
    clickWithFile("C_fangan_zairu", path);
    EXPECT_EQ(form.numbers.C_tsm_sha[1].backColour(), toolkit::palette::kYellow);
    QTest::mouseClick(button("C_guolv_ks"), Qt::LeftButton);
    EXPECT_EQ(count(), QStringLiteral("504"));  // 9 * 8 * 7
}

}  // namespace
