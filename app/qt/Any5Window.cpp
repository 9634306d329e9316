#include "app/qt/Any5Window.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5ShapeColumnView.h"
#include "app/qt/Any5TabAreaView.h"
#include "app/qt/BankerBoxView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/CompareWindow.h"
#include "app/qt/HistoryWindow.h"
#include "app/qt/IntersectionWindow.h"
#include "app/qt/KillAssistantWindow.h"
#include "app/qt/LabelView.h"
#include "app/qt/PanelBox.h"
#include "app/qt/ParityPickerWindow.h"
#include "app/qt/QtColours.h"
#include "app/qt/ReportWindow.h"
#include "app/qt/ResultColumnView.h"
#include "app/qt/RunShortcuts.h"
#include "app/qt/ScreenPlacement.h"
#include "app/qt/TextBoxView.h"
#include "app/qt/TicketWindow.h"
#include "app/qt/TimerBinding.h"
#include "app/qt/Tooltips.h"
#include "app/qt/TrendWindow.h"
#include "app/qt/UndoShortcuts.h"
#include "app/qt/WindowBody.h"

namespace gui {

Any5Window::Any5Window(any5::MainForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setWindowTitle(toQString(form.title()));
    setObjectName(QStringLiteral("Fmain"));

    auto* body = new WindowBody(this);
    // The pointer over the bare surface ends every hover highlight.
    connect(body, &WindowBody::surfaceHovered, this, [this] { m_form.hoverSurface(); });
    auto* columns = body->columns();
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new Any5TabAreaView(form, this), 1);
    left->addWidget(new BankerBoxView(form.bankers, form.links.C_shuomingshu[0], this));
    left->addWidget(new PanelBox(QStringLiteral("通杀码"), form.shapes.C_tsm_sha,
                                 {11, QSize(26, 24), {}}, {&form.shapes.C_bdw_chu_cls}, this));
    left->addWidget(basePoolBox());
    columns->addLayout(left);
    columns->addWidget(new Any5ShapeColumnView(form, this));

    m_result = new ResultColumnView(form.result, this);
    m_result->setFixedWidth(kResultColumnWidth);
    const std::pair<toolkit::Button*, const char*> commands[] = {
        {&form.C_sha_jiou, "C_sha_jiou"},
        {&form.C_all_cls, "C_all_cls"},
        {nullptr, nullptr},     // the scheme buttons' row
        {nullptr, "C_jiaoji"},  // beside 条件统计
        {&form.links.C11xuan5_r3, "C11xuan5_r3"},
        {&form.links.C_suoshui_ruanjian, "C_suoshui_ruanjian"},
        {&form.links.C_jiaocheng, "C_jiaocheng"}};
    auto* assistantLink = new LabelView(form.L_shahao_jiqiao, m_result);
    assistantLink->setObjectName(QStringLiteral("L_shahao_jiqiao"));
    assistantLink->setAlignment(Qt::AlignCenter);
    m_result->addCommand(assistantLink);
    auto* undo = commandButton(form.C_chexiao, "C_chexiao", m_result);
    auto* redo = commandButton(form.C_chongzuo, "C_chongzuo", m_result);
    for (const auto& [button, name] : commands) {
        if (button == &form.C_all_cls) {  // 清空所有条件 beside 撤销 and 重做
            m_result->addCommandRow(
                {commandButton(form.C_all_cls, "C_all_cls", m_result), undo, redo});
            continue;
        }
        if (button == nullptr && name != nullptr) {
            m_result->addCommandRow({commandButton(form.C_jiaoji, "C_jiaoji", m_result),
                                     commandButton(form.C_tongji, "C_tongji", m_result)});
            m_result->addCommandRow({commandButton(form.C_lishi, "C_lishi", m_result),
                                     commandButton(form.C_zoushi, "C_zoushi", m_result),
                                     commandButton(form.C_baozhong, "C_baozhong", m_result)});
            continue;
        }
        if (button == nullptr) {
            m_result->addCommandRow(
                {commandButton(form.C_fangan_baocun, "C_fangan_baocun", m_result),
                 commandButton(form.C_fangan_zairu, "C_fangan_zairu", m_result),
                 commandButton(form.C_fangan_duibi, "C_fangan_duibi", m_result)});
            continue;
        }
        auto* view = new ButtonView(*button, m_result);
        view->setObjectName(QLatin1String(name));
        view->setMinimumHeight(28);
        m_result->addCommand(view);
    }
    columns->addWidget(m_result);

    new TimerBinding(form.entries.Timer_ys_huise, this);
    // The picker docks against wherever the window is now, on the screen it is on.
    followPlacement(*this, form);
    new ParityPickerWindow(form.picker, this);
    new IntersectionWindow(form.jiaoji, this);
    new KillAssistantWindow(form.shahao, this);
    new ReportWindow(form.tongji, this);
    new HistoryWindow(form.lishi, this);
    new TicketWindow(form.baozhong, this);
    new TrendWindow(form.zoushi, this);
    new CompareWindow(form.duibi, this);
    applyTooltips(*this, any5Tooltips());
    addRunShortcuts(*this, m_result->startButton(), m_result->copyButton());
    addUndoShortcuts(*this, form.undo, *undo, *redo);
}

// "大底号码": the tick that turns the base pool on, and beside it the pool,
// so that the left column fits a 768-pixel screen.
QWidget* Any5Window::basePoolBox() {
    auto* box = new QGroupBox(this);
    box->setAccessibleName(QStringLiteral("大底号码"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    auto* tick = new CheckBoxView(m_form.entries.Check_sha_dd, box);
    tick->setObjectName(QStringLiteral("Check_sha_dd"));
    layout->addWidget(tick, 0, Qt::AlignTop);
    auto* pool = new TextBoxView(m_form.entries.T_sha_dadi, box);
    pool->setObjectName(QStringLiteral("T_sha_dadi"));
    pool->setAccessibleName(QStringLiteral("大底号码"));
    pool->setFixedHeight(96);
    layout->addWidget(pool);
    return box;
}

Any5Window::~Any5Window() = default;

// Closing the main window ends the program, side windows included.
void Any5Window::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

}  // namespace gui
