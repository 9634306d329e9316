#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QListView>
#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <vector>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Front3Window.h"
#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"

namespace {

// One program's window, shown and active so that keys reach it.
struct Program {
    virtual ~Program() = default;
    virtual QWidget& window() = 0;

    QWidget* child(const char* name) {
        auto* found = window().findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void activate() {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    toolkit::HeadlessHost host;
};

template <class Form, class Window>
struct Opened final : Program {
    Opened() {
        form.load();
        view.show();
        activate();
    }
    QWidget& window() override { return view; }

    Form form{host};
    Window view{form};
};

enum class Edition { Any5, Front3 };

std::unique_ptr<Program> open(Edition edition) {
    if (edition == Edition::Any5)
        return std::make_unique<Opened<any5::MainForm, gui::Any5Window>>();
    return std::make_unique<Opened<front3::MainForm, gui::Front3Window>>();
}

QAccessibleInterface* findAccessible(QAccessibleInterface* node, QAccessible::Role role,
                                     const QString& name) {
    if (node == nullptr) return nullptr;
    if (node->role() == role && node->text(QAccessible::Name) == name) return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (auto* found = findAccessible(node->child(i), role, name)) return found;
    }
    return nullptr;
}

// Every accessible name under `node` that is a control's internal name
// (C_guolv_ks, Li_out, dadi_zhushu, Text1), with its role.
void collectInternalNames(QAccessibleInterface* node, QStringList& found) {
    static const QRegularExpression internal(QStringLiteral(
        "^(T|C|Li|Check|Ch|Cb|N|L|Frame|F|Opt|P|Tab|Chart)_|^[A-Za-z]+_\\w+$|^Text\\d+$"));
    if (node == nullptr) return;
    const QString name = node->text(QAccessible::Name);
    if (internal.match(name).hasMatch())
        found << QStringLiteral("%1 (%2)").arg(name).arg(node->role());
    for (int i = 0; i < node->childCount(); ++i) collectInternalNames(node->child(i), found);
}

enum class Way { Space, ScreenReader };

// What a screen reader offers for the widget: toggle for option buttons and
// check boxes, press for buttons (which Qt runs a moment later).
void operate(QWidget& widget, Way way) {
    if (way == Way::Space) {
        widget.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&widget, Qt::Key_Space);
    } else {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(&widget)->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QStringList names = actions->actionNames();
        const QString action = names.contains(QAccessibleActionInterface::toggleAction())
                                   ? QAccessibleActionInterface::toggleAction()
                                   : QAccessibleActionInterface::pressAction();
        ASSERT_TRUE(names.contains(action)) << names.join(u',').toStdString();
        actions->doAction(action);
        auto* button = qobject_cast<QAbstractButton*>(&widget);
        ASSERT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }, 2000));
    }
}

struct Step {
    const char* control;
    Way way;
};

// The big-number range is read by the count stage of both programs and by
// the front-3 big-small patterns: 大6~11 with no big number leaves 01..05.
TEST(WithoutAMouse, ConditionsSetByKeysOrScreenReaderReachTheRun) {
    struct Row {
        const char* name;
        Edition edition;
        std::vector<Step> steps;
        int listed;
    };
    const Row rows[] = {
        {"any-5 big count, all by screen reader",
         Edition::Any5,
         {{"Op_dahao_fanwei_1", Way::ScreenReader}, {"C_dahao_geshu_0", Way::ScreenReader}},
         1},
        {"any-5 big count, all by keys",
         Edition::Any5,
         {{"Op_dahao_fanwei_1", Way::Space}, {"C_dahao_geshu_0", Way::Space}},
         1},
        {"any-5 range chosen and chosen back",
         Edition::Any5,
         {{"Op_dahao_fanwei_1", Way::ScreenReader},
          {"Op_dahao_fanwei_0", Way::ScreenReader},
          {"C_dahao_geshu_0", Way::ScreenReader}},
         6},
        {"any-5 parity box of the side window",
         Edition::Any5,
         {{"Ch_jo_1", Way::ScreenReader}},
         461},
        {"front-3 big count, all by screen reader",
         Edition::Front3,
         {{"Op_dahao_fanwei_1", Way::ScreenReader}, {"C_dahao_geshu_0", Way::ScreenReader}},
         60},
        {"front-3 big-big-big pattern",
         Edition::Front3,
         {{"Op_dahao_fanwei_1", Way::ScreenReader}, {"Check_sha_daxiao_0", Way::ScreenReader}},
         990 - 120},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto program = open(row.edition);
        for (const Step& step : row.steps) {
            QWidget* control = program->child(step.control);
            ASSERT_NE(control, nullptr);
            operate(*control, step.way);
        }
        QTest::mouseClick(program->child("C_guolv_ks"), Qt::LeftButton);
        EXPECT_EQ(
            program->window().findChild<QListView*>(QStringLiteral("Li_out"))->model()->rowCount(),
            row.listed);
    }
}

// A label that acts on a click is a link: found on the bus by its caption,
// pressed there, or reached by Tab and pressed with Space, Return or Enter.
// A screen reader announces each control by its caption or what it is, never
// by an internal name; the result list and text by what they hold.
TEST(WithoutAMouse, AScreenReaderHearsNoInternalControlName) {
    for (Edition edition : {Edition::Any5, Edition::Front3}) {
        auto program = open(edition);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&program->window());
        QStringList internal;
        collectInternalNames(root, internal);
        EXPECT_TRUE(internal.isEmpty()) << internal.join(QStringLiteral(", ")).toStdString();
        EXPECT_NE(findAccessible(root, QAccessible::List, QStringLiteral("缩水结果列表")), nullptr);
        EXPECT_NE(findAccessible(root, QAccessible::EditableText, QStringLiteral("缩水结果文本")),
                  nullptr);
    }
}

TEST(WithoutAMouse, ClickableLabelsArePressedByTheirActionAndByKeys) {
    struct Link {
        Edition edition;
        const char* name;
        const char* caption;
        const char* opens;         // the window a click shows, or
        const char* messageTitle;  // the title of the message it shows
    };
    const Link links[] = {
        {Edition::Any5, "L_shahao_jiqiao", "使用作者杀号技巧", "Fshahao", nullptr},
        {Edition::Front3, "L_lianma", "说明", nullptr, "提示说明"},
    };
    const std::pair<const char*, Qt::Key> keys[] = {
        {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};

    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        const auto program = open(link.edition);
        QWidget* label = program->child(link.name);
        ASSERT_NE(label, nullptr);
        // Shows what the last press did, and closes it for the next.
        const auto pressed = [&] {
            if (link.opens != nullptr) {
                QWidget* shown = program->child(link.opens);
                const bool isShown = shown->isVisible();
                shown->close();
                program->activate();
                return isShown;
            }
            const auto messages = program->host.callsOf(toolkit::HeadlessHost::Kind::Message);
            program->host.clearCalls();
            return messages.size() == 1 && messages[0].title == link.messageTitle;
        };

        QAccessibleInterface* found =
            findAccessible(QAccessible::queryAccessibleInterface(&program->window()),
                           QAccessible::Link, QString::fromUtf8(link.caption));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->object(), label);
        ASSERT_NE(found->actionInterface(), nullptr);
        ASSERT_TRUE(found->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(pressed()) << "press action";

        for (const auto& [keyName, key] : keys) {
            SCOPED_TRACE(keyName);
            // Tab from the control before it in the window's Tab order.
            QWidget* before = label->previousInFocusChain();
            while (before != label && (!(before->focusPolicy() & Qt::TabFocus) ||
                                       !before->isVisibleTo(&program->window())))
                before = before->previousInFocusChain();
            before->setFocus(Qt::TabFocusReason);
            QTest::keyClick(before, Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), label);
            QTest::keyClick(label, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_TRUE(pressed());
        }
        // Enter pressed the link, not the start button.
        EXPECT_EQ(
            program->window().findChild<QListView*>(QStringLiteral("Li_out"))->model()->rowCount(),
            0);
    }
}

}  // namespace
