#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/ButtonArrayView.h"
#include "app/qt/CheckBoxGridView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/Front3Window.h"
#include "app/qt/OptionGroupView.h"
#include "app/qt/QtHost.h"
#include "app/qt/ScreenPlacement.h"
#include "app/qt/TextBoxView.h"
#include "app/qt/Tooltips.h"
#include "app/qt/WindowBody.h"
#include "front3/MainForm.h"

namespace {

// A 1366 x 768 screen less a 40-pixel task bar.
const QRect kLaptop(0, 0, 1366, 728);

// A loaded form and its window, not yet shown.
template <class Form, class Window>
struct Opened {
    Opened() {
        form.load();
        host.setWindow(&window);
    }
    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <class Widget = QWidget>
    Widget* child(const char* name) const {
        auto* found = window.template findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    int listed() const { return child<QListView>("Li_out")->model()->rowCount(); }

    gui::QtHost host;
    Form form{host};
    Window window{form};
};
using Any5 = Opened<any5::MainForm, gui::Any5Window>;
using Front3 = Opened<front3::MainForm, gui::Front3Window>;

// The keys on one window: each run is told apart by one more kill number.
template <class Shown>
void checkRunKeys(Shown& shown, toolkit::ButtonArray& killNumbers, const char* textBoxName,
                  std::initializer_list<int> counts) {
    shown.showActive();
    auto* aButton = shown.template child<QPushButton>("C_all_cls");
    auto* aTextBox = shown.template child<QPlainTextEdit>(textBoxName);
    const int* expected = counts.begin();
    aButton->setFocus();
    QTest::keyClick(aButton, Qt::Key_Return);
    EXPECT_EQ(shown.listed(), expected[0]) << "Return";

    killNumbers.press(0);
    QTest::keyClick(aButton, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shown.listed(), expected[1]) << "keypad Enter";

    killNumbers.press(1);
    aTextBox->setFocus();
    QTest::keyClick(aTextBox, Qt::Key_F5);
    QTest::keyClick(aTextBox, Qt::Key_Return);
    EXPECT_EQ(shown.listed(), expected[1]) << "in a text box";
    EXPECT_TRUE(aTextBox->toPlainText().contains(QLatin1Char('\n')));

    shown.form.result.C_guolv_ks.setEnabled(false);  // as during a run
    aButton->setFocus();
    QTest::keyClick(aButton, Qt::Key_F5);
    EXPECT_EQ(shown.listed(), expected[1]) << "start button disabled";
    shown.form.result.C_guolv_ks.setEnabled(true);
    QTest::keyClick(aButton, Qt::Key_F5);
    EXPECT_EQ(shown.listed(), expected[2]) << "F5";

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(aButton, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), shown.form.result.ResultText);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QStringLiteral("\r\n")), expected[2] - 1);
}

TEST(RunShortcuts, EnterAndF5RunUnlessTypingAndCtrlShiftCCopiesInTheAny5Window) {
    Any5 shown;
    checkRunKeys(shown, shown.form.shapes.C_tsm_sha, "T_sha_dadi", {462, 252, 126});
}

TEST(RunShortcuts, EnterAndF5RunUnlessTypingAndCtrlShiftCCopiesInTheFront3Window) {
    Front3 shown;
    checkRunKeys(shown, shown.form.numbers.C_tsm_sha, "T_main_shazhixuan", {990, 720, 504});
    EXPECT_EQ(shown.child<QListView>("Li_out")->model()->index(0, 0).data().toString(),
              QStringLiteral("03 04 05"));
}

// The controls a player sets a condition with, found by kind so that a new
// panel without a hint fails here: button panels, check-box grids, text
// boxes, option groups and lone check boxes. The side windows are not walked,
// nor what the window never shows (the front-3 result text).
std::vector<QWidget*> conditionControls(QWidget& window) {
    std::vector<QWidget*> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || widget->isHidden()) continue;
        const bool isLoneCheckBox =
            qobject_cast<gui::CheckBoxView*>(widget) != nullptr &&
            qobject_cast<gui::CheckBoxGridView*>(widget->parent()) == nullptr;
        if (qobject_cast<gui::ButtonArrayView*>(widget) ||
            qobject_cast<gui::CheckBoxGridView*>(widget) ||
            qobject_cast<gui::TextBoxView*>(widget) ||
            qobject_cast<gui::OptionGroupView*>(widget) || isLoneCheckBox)
            found.push_back(widget);
    }
    return found;
}

template <class Shown>
void checkTooltips(Shown& shown, const std::vector<gui::Tooltip>& table,
                   std::initializer_list<const char*> commands, std::size_t fewestControls) {
    const auto controls = conditionControls(shown.window);
    EXPECT_GE(controls.size(), fewestControls);
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->toolTip().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
    for (const char* name : commands) {
        EXPECT_FALSE(shown.template child<QWidget>(name)->toolTip().isEmpty()) << name;
    }
    // Every hint has its control: a renamed control does not silently lose it.
    for (const gui::Tooltip& tip : table) {
        EXPECT_NE(shown.window.template findChild<QWidget*>(QLatin1String(tip.objectName)), nullptr)
            << tip.objectName;
    }
}

TEST(Tooltips, EveryConditionControlAndCommandOfBothWindowsExplainsItself) {
    Any5 any5;
    checkTooltips(any5, gui::any5Tooltips(), {"C_guolv_ks", "C_copy", "C_all_cls", "C_sha_jiou"},
                  39);
    Front3 front3;
    checkTooltips(front3, gui::front3Tooltips(),
                  {"C_guolv_ks", "C_guolv_zhuan_zuxuan", "C_copy", "C_all_cls"}, 30);

    // A panel's hint covers its buttons, and a screen reader reads it too.
    auto* pairs = any5.child<QWidget>("C_sha2ma");
    EXPECT_EQ(pairs->toolTip(), QStringLiteral("点黄的两码组合：含有这两个号码的注全部杀掉"));
    EXPECT_TRUE(any5.child<QWidget>("C_sha2ma_0")->toolTip().isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pairs)->text(QAccessible::Description),
              pairs->toolTip());
    // Each row of a panel split over rows carries it.
    for (QWidget* row : front3.window.findChildren<QWidget*>(QStringLiteral("C_dingwei_sha"))) {
        EXPECT_FALSE(row->toolTip().isEmpty());
    }
}

gui::WindowBody* bodyOf(QWidget& window) {
    return window.findChild<gui::WindowBody*>(QStringLiteral("WindowBody"));
}

template <class Shown>
void checkPlacedOnALaptop(Shown& shown) {
    // Before it is shown the frame is not known; room is left for a usual one.
    gui::placeCentred(shown.window, kLaptop);
    shown.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    EXPECT_TRUE(kLaptop.contains(shown.window.frameGeometry()));
    EXPECT_LE(shown.window.width() + 16, kLaptop.width());
    EXPECT_LE(shown.window.height() + 44, kLaptop.height());
    // Every panel whole, none scrolled away.
    EXPECT_FALSE(bodyOf(shown.window)->verticalScrollBar()->isVisible());
    EXPECT_FALSE(bodyOf(shown.window)->horizontalScrollBar()->isVisible());
    EXPECT_EQ(shown.window.minimumSize(), shown.window.minimumSizeHint());

    // Once shown, its frame is known (none here) and it is centred exactly.
    gui::placeCentred(shown.window, kLaptop);
    const QRect frame = shown.window.frameGeometry();
    EXPECT_TRUE(kLaptop.contains(frame));
    EXPECT_LE(std::abs(frame.left() - (kLaptop.right() - frame.right())), 1);
    EXPECT_LE(std::abs(frame.top() - (kLaptop.bottom() - frame.bottom())), 1);
}

TEST(Placement, BothWindowsOpenCentredAndWholeOnA1366By768Screen) {
    Any5 any5;
    checkPlacedOnALaptop(any5);
    Front3 front3;
    checkPlacedOnALaptop(front3);
}

TEST(Placement, OnASmallerScreenTheWindowScrollsRatherThanLeaveIt) {
    // 1920 x 1080 at 150 %, less a task bar.
    const QRect scaledLaptop(0, 0, 1280, 680);
    Any5 shown;
    gui::placeCentred(shown.window, scaledLaptop);
    shown.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    EXPECT_TRUE(scaledLaptop.contains(shown.window.frameGeometry()));
    auto* body = bodyOf(shown.window);
    EXPECT_TRUE(body->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(body->verticalScrollBar()->isVisible());
    auto* start = shown.child<QPushButton>("C_guolv_ks");
    body->ensureWidgetVisible(start);
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(shown.listed(), 462);
}

TEST(Placement, SideWindowsStayOnTheScreenBesideOrOverTheMainWindow) {
    Any5 shown;
    auto& form = shown.form;
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 1366, 728}; });
    gui::placeCentred(shown.window, kLaptop);
    shown.window.show();
    shown.child<QPushButton>("C_sha_jiou")->click();
    auto* picker = shown.child<QWidget>("Fjo");
    ASSERT_TRUE(picker->isVisible());
    EXPECT_TRUE(kLaptop.contains(picker->frameGeometry()));
    EXPECT_EQ(picker->frameGeometry().left(), 0);  // over the panels, not the result column
    EXPECT_EQ(picker->frameGeometry().top(), shown.window.frameGeometry().top());

    QTest::mouseClick(shown.child<QLabel>("L_shahao_jiqiao"), Qt::LeftButton);
    auto* assistant = shown.child<QWidget>("Fshahao");
    ASSERT_TRUE(assistant->isVisible());
    EXPECT_TRUE(kLaptop.contains(assistant->frameGeometry()));

    // Where the screen has room, both dock against the right edge again.
    form.setWorkAreaSource([] { return toolkit::Window::Geometry{0, 0, 3840, 2100}; });
    form.picker.Timer2.tick();
    form.shahao.Timer1.tick();
    EXPECT_EQ(picker->frameGeometry().left(), shown.window.frameGeometry().right() + 1);
    EXPECT_EQ(assistant->frameGeometry().left(), shown.window.frameGeometry().right() + 1);
}

TEST(WindowBody, ThePointerOverTheBareSurfaceEndsTheHoverHighlight) {
    Any5 shown;
    shown.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    auto& help = shown.form.links.C_shuomingshu;
    help[0].mouseMove();
    ASSERT_EQ(help[0].backColour(), any5::ShellButtons::kHoverRed);
    QTest::mouseMove(bodyOf(shown.window)->surface(), QPoint(2, 2));  // the window's margin
    EXPECT_EQ(help[0].backColour(), toolkit::palette::kTabGrey);
}

}  // namespace
