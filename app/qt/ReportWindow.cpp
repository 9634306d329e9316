#include "app/qt/ReportWindow.h"

#include <QAbstractEventDispatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/LabelView.h"
#include "app/qt/ReportTableModel.h"
#include "app/qt/TextBoxView.h"
#include "tools/report/ReportForm.h"

namespace gui {

ReportWindow::ReportWindow(report::ReportForm& form, QWidget* mainWindow)
    : SideWindow(form, "Ftongji", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    m_model = new ReportTableModel(form, this);
    auto* table = new QTableView(this);
    table->setObjectName(QStringLiteral("Li_tongji"));
    table->setAccessibleName(QStringLiteral("条件统计表"));
    table->setModel(m_model);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(ReportTableModel::kSetting,
                                                    QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setMinimumSize(620, 320);
    column->addWidget(table, 1);
    QStringList notes;
    for (int c = 0; c < ReportTableModel::kColumns; ++c) {
        if (ReportTableModel::columnNote(c).isEmpty()) continue;
        notes << m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() + "：" +
                     ReportTableModel::columnNote(c);
    }
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
    m_form.setReportListener([this] { m_model->follow(); });
    followForm();
}

ReportWindow::~ReportWindow() {
    m_form.setReportListener({});
}

}  // namespace gui
