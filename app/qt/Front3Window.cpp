#include "app/qt/Front3Window.h"

#include <QPushButton>

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxGridView.h"
#include "app/qt/CompareWindow.h"
#include "app/qt/Front3TabAreaView.h"
#include "app/qt/HistoryWindow.h"
#include "app/qt/IntersectionWindow.h"
#include "app/qt/LabelView.h"
#include "app/qt/OptionGroupView.h"
#include "app/qt/PanelBox.h"
#include "app/qt/QtColours.h"
#include "app/qt/ReportWindow.h"
#include "app/qt/ResultColumnView.h"
#include "app/qt/RunShortcuts.h"
#include "app/qt/ScreenPlacement.h"
#include "app/qt/TicketWindow.h"
#include "app/qt/Tooltips.h"
#include "app/qt/TrendWindow.h"
#include "app/qt/UndoShortcuts.h"
#include "app/qt/WindowBody.h"
#include "front3/MainForm.h"

namespace gui {
namespace {

const QSize kNumber(26, 24);

QGroupBox* frame(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(title.isEmpty() ? QStringLiteral("胆 组") : title);
    return box;
}

ButtonView* command(toolkit::Button& button, QWidget* parent, QSize size = kNumber) {
    auto* view = new ButtonView(button, parent);
    view->setFixedSize(size);
    return view;
}

}  // namespace

Front3Window::Front3Window(front3::MainForm& form, QWidget* parent)
    : QWidget(parent), m_form(form) {
    setWindowTitle(toQString(form.title()));
    setObjectName(QStringLiteral("Fmain"));
    auto* columns = (new WindowBody(this))->columns();
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new Front3TabAreaView(form, this), 1);
    left->addWidget(new PanelBox(QStringLiteral("杀跨度"), form.numbers.C_kuadu_sha,
                                 {9, kNumber, {}}, {&form.numbers.C_kuadu_sha_cls}, this));
    left->addWidget(bankerBox());
    left->addWidget(new PanelBox(QStringLiteral("通杀码"), form.numbers.C_tsm_sha,
                                 {11, kNumber, {}}, {&form.numbers.C_bdw_chu_cls}, this));
    left->addWidget(positionalBox());
    columns->addLayout(left);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(new PanelBox(QStringLiteral("杀和值"), form.shapes.C_hezhi, {12, kNumber, {}},
                                   {&form.shapes.Command10, &form.shapes.Command5}, this));
    middle->addWidget(countBox());
    middle->addWidget(runBox());
    middle->addWidget(patternBox());
    middle->addStretch(1);
    columns->addLayout(middle);

    buildResultColumn();
    columns->addWidget(m_result);
    followPlacement(*this, form);
    new IntersectionWindow(form.jiaoji, this);
    new ReportWindow(form.tongji, this);
    new HistoryWindow(form.lishi, this);
    new TicketWindow(form.baozhong, this);
    new TrendWindow(form.zoushi, this);
    new CompareWindow(form.duibi, this);
    applyTooltips(*this, front3Tooltips());
    addRunShortcuts(*this, m_result->startButton(), m_result->copyButton());
    addUndoShortcuts(*this, form.undo, *findChild<QPushButton*>(QStringLiteral("C_chexiao")),
                     *findChild<QPushButton*>(QStringLiteral("C_chongzuo")));
}

// "胆 组": three rows of eleven numbers with their counts under "出胆个数".
QWidget* Front3Window::bankerBox() {
    auto& numbers = m_form.numbers;
    auto* box = frame(QStringLiteral("胆 组"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("出胆个数"), box), 0, 1);
    auto* help = command(m_form.C_danma_shuoming, box, QSize(70, 24));
    help->setObjectName(QStringLiteral("C_danma_shuoming"));
    grid->addWidget(help, 0, 0, Qt::AlignLeft);
    for (int group = 1; group <= 3; ++group) {
        const QString label = QStringLiteral("胆码%1").arg(group);
        ButtonArrayView::Layout layout{11, kNumber, {}};
        if (group == 1) layout.screenOrder = {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
        grid->addWidget(new ButtonArrayView(label, numbers.numbers(group), layout, box), group, 0);
        grid->addWidget(new ButtonArrayView(label + QStringLiteral(" 出胆个数"),
                                            numbers.counts(group), {4, QSize(22, 24), {}}, box),
                        group, 1);
        grid->addWidget(command(numbers.C_danma_chu_cls[static_cast<std::size_t>(group - 1)], box),
                        group, 2);
    }
    grid->setColumnStretch(3, 1);
    return box;
}

// "前三定位杀": every row reads 01..11 whatever the index order behind it.
QWidget* Front3Window::positionalBox() {
    auto& numbers = m_form.numbers;
    auto* box = frame(QStringLiteral("前三定位杀"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    const auto order = front3::positionalScreenOrder();
    const char* labels[] = {"第一位", "第二位", "第三位"};
    toolkit::Button* clears[] = {&numbers.Command2, &numbers.Command3, &numbers.Command4};
    for (int row = 0; row < 3; ++row) {
        const QString label = QString::fromUtf8(labels[row]);
        grid->addWidget(new QLabel(label, box), row, 0);
        const std::vector<std::size_t> rowOrder(order.begin() + 11 * row,
                                                order.begin() + 11 * row + 11);
        grid->addWidget(
            new ButtonArrayView(label, numbers.C_dingwei_sha, {11, kNumber, rowOrder}, box), row,
            1);
        grid->addWidget(command(*clears[row], box), row, 2);
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* Front3Window::countBox() {
    auto& shapes = m_form.shapes;
    auto* box = frame(QStringLiteral("奇偶，大小"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->addWidget(new OptionGroupView(shapes.Op_dahao_fanwei, box), 0, 0, 1, 2);
    const std::pair<const char*, toolkit::ButtonArray*> rows[] = {
        {"奇号个数", &shapes.C_jishu_geshu}, {"大号个数", &shapes.C_dahao_geshu}};
    int row = 1;
    for (const auto& [label, array] : rows) {
        const QString caption = QString::fromUtf8(label);
        grid->addWidget(new QLabel(caption, box), row, 0);
        grid->addWidget(new ButtonArrayView(caption, *array, {4, kNumber, {}}, box), row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

// "杀杀杀(11 01算连码)": 不连 2连 3连 / 上山形 下山形 / 凸形 凹形, and "说明".
QWidget* Front3Window::runBox() {
    const QString title = QStringLiteral("杀杀杀(11 01算连码)");
    auto* box = frame(title, this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(6, 2, 6, 4);
    column->setSpacing(2);
    const std::vector<std::vector<std::size_t>> rows = {{0, 1, 2}, {3, 4}, {6, 5}};
    for (const auto& order : rows) {
        column->addWidget(new ButtonArrayView(title, m_form.shapes.C_sha_xingtai_01,
                                              {3, QSize(64, 24), order}, box));
    }
    auto* help = new LabelView(m_form.L_lianma, box);
    help->setObjectName(QStringLiteral("L_lianma"));
    column->addWidget(help);
    return box;
}

QWidget* Front3Window::patternBox() {
    auto& shapes = m_form.shapes;
    auto* box = frame(QStringLiteral("杀形态"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    struct Family {
        std::deque<toolkit::CheckBox>* boxes;
        toolkit::Button* all;
        toolkit::Button* clear;
        const char* prefix;
    };
    const Family families[] = {
        {&shapes.Check_sha_daxiao, &shapes.Command6, &shapes.Command7, "Check_sha_daxiao_"},
        {&shapes.Check_sha_jiou, &shapes.Command8, &shapes.Command9, "Check_sha_jiou_"},
        {&shapes.Check_sha_zhihe, &shapes.Command12, &shapes.Command11, "Check_sha_zhihe_"}};
    int row = 0;
    for (const Family& family : families) {
        grid->addWidget(new CheckBoxGridView(QStringLiteral("杀形态"), *family.boxes, 4,
                                             QLatin1String(family.prefix), box),
                        row, 0, 2, 1);
        grid->addWidget(command(*family.all, box), row, 1);
        grid->addWidget(command(*family.clear, box), row + 1, 1);
        row += 2;
    }
    return box;
}

void Front3Window::buildResultColumn() {
    m_result = new ResultColumnView(m_form.result, this);
    m_result->setFixedWidth(kResultColumnWidth);
    m_result->hideResultText();
    auto* group = new ButtonView(m_form.C_guolv_zhuan_zuxuan, m_result);
    group->setObjectName(QStringLiteral("C_guolv_zhuan_zuxuan"));
    group->setMinimumHeight(34);
    m_result->addCommandAfterStart(group);
    auto* clearAll = new ButtonView(m_form.C_all_cls, m_result);
    clearAll->setObjectName(QStringLiteral("C_all_cls"));
    clearAll->setMinimumHeight(28);
    m_result->addCommand(clearAll);
    m_result->addCommandRow({commandButton(m_form.C_chexiao, "C_chexiao", m_result),
                             commandButton(m_form.C_chongzuo, "C_chongzuo", m_result)});
    m_result->addCommandRow({commandButton(m_form.C_fangan_baocun, "C_fangan_baocun", m_result),
                             commandButton(m_form.C_fangan_zairu, "C_fangan_zairu", m_result),
                             commandButton(m_form.C_fangan_duibi, "C_fangan_duibi", m_result)});
    m_result->addCommandRow({commandButton(m_form.C_qiansan_jiaoji, "C_qiansan_jiaoji", m_result),
                             commandButton(m_form.C_tongji, "C_tongji", m_result)});
    m_result->addCommandRow({commandButton(m_form.C_lishi, "C_lishi", m_result),
                             commandButton(m_form.C_zoushi, "C_zoushi", m_result),
                             commandButton(m_form.C_baozhong, "C_baozhong", m_result)});
    const std::pair<toolkit::Button*, const char*> links[] = {
        {&m_form.C11xuan5_r5, "C11xuan5_r5"},
        {&m_form.Command1, "Command1"},
        {&m_form.C_suoshuiwang, "C_suoshuiwang"},
        {&m_form.C_guanwang, "C_guanwang"}};
    for (const auto& [button, name] : links) {
        auto* view = new ButtonView(*button, m_result);
        view->setObjectName(QLatin1String(name));
        m_result->addCommand(view);
    }
    auto* note = new LabelView(m_form.L_tishi, m_result);
    note->setObjectName(QStringLiteral("L_tishi"));
    note->setWordWrap(true);
    note->setMinimumHeight(note->fontMetrics().lineSpacing() * 3 + 4);  // room for the whole note
    m_result->addCommand(note);
}

void Front3Window::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

}  // namespace gui
