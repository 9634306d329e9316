#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"

namespace {

// Pictures of the windows for the README: written only when
// QUORVEL_SCREENSHOT_DIR names a folder, otherwise the window is still built
// and grabbed, so a picture that cannot be made fails here first.
QString screenshotPath(const char* name) {
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(name));
}

TEST(Screenshots, Any5WindowWithConditionsAndAResult) {
    gui::QtHost host;
    any5::MainForm form(host);
    form.load();
    gui::Any5Window window(form);
    host.setWindow(&window);
    window.show();

    for (std::size_t i : {9u, 0u, 6u, 7u}) form.bankers.C_danma_chu.press(i);  // 01 02 08 09
    form.bankers.C_danma_chu_geshu.press(1);
    form.bankers.C_danma_chu_geshu.press(2);
    form.shapes.C_sha_hezhi.press(0);
    form.shapes.C_sha_hezhi.press(30);
    form.shapes.C_kuadu_sha.press(0);
    form.shapes.C_tsm_sha.press(5);
    form.counts.C_jishu_geshu.press(2);
    form.counts.C_jishu_geshu.press(3);
    form.shapes.C_sha_xingtai_01.press(4);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks")), Qt::LeftButton);

    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(picture.width(), 1366);
    EXPECT_LE(picture.height(), 768);
    const QString path = screenshotPath("any5-main.png");
    if (!path.isEmpty()) {
        EXPECT_TRUE(picture.save(path));
    }
}

}  // namespace
