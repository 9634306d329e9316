#include "app/qt/ReportWindow.h"

#include <QAbstractEventDispatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/LabelView.h"
#include "app/qt/QtColours.h"
#include "app/qt/SideWindowColours.h"
#include "app/qt/TextBoxView.h"
#include "tools/report/ReportForm.h"

namespace gui {
namespace {

enum Column { kName, kSetting, kAlone, kInOrder, kOnly, kTakesPart, kColumns };

}  // namespace

ReportWindow::ReportWindow(report::ReportForm& form, QWidget* mainWindow)
    : SideWindow(form, "Ftongji", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("Li_tongji"));
    m_table->setAccessibleName(QStringLiteral("条件统计表"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("条件"), QStringLiteral("设置"),
                                        QStringLiteral("单独杀"), QStringLiteral("顺序杀"),
                                        QStringLiteral("独杀"), QStringLiteral("参与容错")});
    // Each count column says what it counts, in its tooltip and under the table.
    const QString tips[] = {
        {},
        {},
        QStringLiteral("只用这一个条件时杀掉的注数；合计行：违反任一条件的注数"),
        QStringLiteral("按缩水顺序，这个条件新杀掉的注数；合计行：缩水（含容错）共杀掉的注数"),
        QStringLiteral("只违反这一个条件的注数，容错能救回的注；合计行：只违反一个条件的注数"),
        QStringLiteral("不打勾的条件必须满足，不参与容错；改动在下次【开始缩水】时生效")};
    QStringList notes;
    for (int c = 0; c < kColumns; ++c) {
        m_table->horizontalHeaderItem(c)->setToolTip(tips[c]);
        if (!tips[c].isEmpty()) notes << m_table->horizontalHeaderItem(c)->text() + "：" + tips[c];
    }
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(kSetting, QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMinimumSize(620, 320);
    connect(m_table, &QTableWidget::itemChanged, this, &ReportWindow::onItemChanged);
    column->addWidget(m_table, 1);
    auto* explain = new QLabel(
        QStringLiteral("说明：") + notes.join(QStringLiteral("。")) + QStringLiteral("。"), this);
    explain->setObjectName(QStringLiteral("L_tongji_shuoming"));
    explain->setWordWrap(true);
    column->addWidget(explain);

    auto* tolerance = new LabelView(form.L_rongcuo, this);
    tolerance->setObjectName(QStringLiteral("L_rongcuo"));
    tolerance->setWordWrap(true);
    column->addWidget(tolerance);

    auto* lookUp = new QHBoxLayout;
    lookUp->addWidget(new QLabel(QStringLiteral("查注："), this));
    auto* bet = new TextBoxView(form.T_chazhu, this);
    bet->setObjectName(QStringLiteral("T_chazhu"));
    bet->setAccessibleName(QStringLiteral("查注"));
    bet->setFixedHeight(30);
    lookUp->addWidget(bet, 1);
    auto* press = new ButtonView(form.C_chazhu, this);
    press->setObjectName(QStringLiteral("C_chazhu"));
    lookUp->addWidget(press);
    column->addLayout(lookUp);
    auto* answer = new TextBoxView(form.T_chazhu_jieguo, this);
    answer->setObjectName(QStringLiteral("T_chazhu_jieguo"));
    answer->setAccessibleName(QStringLiteral("查注结果"));
    answer->setFixedHeight(90);
    column->addWidget(answer);

    // The event loop about to wait: every change of this round is in.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { m_form.refreshIfChanged(); });
    m_form.setReportListener([this] { fillTable(); });
    fillTable();
    followForm();
}

ReportWindow::~ReportWindow() {
    m_form.setReportListener({});
}

void ReportWindow::fillTable() {
    const engine::ConditionReport& report = m_form.report();
    m_isFilling = true;
    m_table->setRowCount(static_cast<int>(report.rows.size()) + 1);
    int r = 0;
    for (const auto& row : report.rows) {
        const std::string note = engine::noteOf(row);
        QString setting = toQString(row.summary);
        if (!note.empty()) setting += (setting.isEmpty() ? "" : "  ") + toQString(note);
        QTableWidgetItem* items[] = {readOnlyCell(toQString(row.name)),
                                     readOnlyCell(setting),
                                     readOnlyCell(QString::number(row.alone), true),
                                     readOnlyCell(QString::number(row.inOrder), true),
                                     readOnlyCell(QString::number(row.only), true),
                                     readOnlyCell({})};
        items[kTakesPart]->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        items[kTakesPart]->setCheckState(row.takesPart ? Qt::Checked : Qt::Unchecked);
        items[kTakesPart]->setData(Qt::UserRole, toQString(row.name));
        for (int c = 0; c < kColumns; ++c) {
            if (!note.empty()) items[c]->setForeground(kWarningRed);
            m_table->setItem(r, c, items[c]);
        }
        ++r;
    }
    const auto& totals = report.totals;
    const auto counts = engine::totalsCells(report);
    QTableWidgetItem* items[] = {
        readOnlyCell(toQString(totals.name)),     readOnlyCell(toQString(m_form.totals())),
        readOnlyCell(toQString(counts[0]), true), readOnlyCell(toQString(counts[1]), true),
        readOnlyCell(toQString(counts[2]), true), readOnlyCell({})};
    for (int c = 0; c < kColumns; ++c) {
        QFont bold = items[c]->font();
        bold.setBold(true);
        items[c]->setFont(bold);
        m_table->setItem(r, c, items[c]);
    }
    m_isFilling = false;
}

void ReportWindow::onItemChanged(QTableWidgetItem* item) {
    if (m_isFilling || item->column() != kTakesPart) return;
    const QString name = item->data(Qt::UserRole).toString();
    if (name.isEmpty()) return;
    m_form.setTakesPart(name.toStdString(), item->checkState() == Qt::Checked);
}

}  // namespace gui
