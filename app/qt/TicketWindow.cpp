#include "app/qt/TicketWindow.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/QtColours.h"
#include "app/qt/TimerBinding.h"
#include "tools/tickets/TicketForm.h"

namespace gui {
namespace {

enum Column { kPlay, kCount, kCost, kPrize, kLeast, kMost, kProven, kMark, kColumns };

}  // namespace

TicketWindow::TicketWindow(tickets::TicketForm& form, QWidget* mainWindow)
    : SideWindow(form, "Fbaozhong", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    auto* explain = new QLabel(
        QStringLiteral("下期开奖号只要在缩水结果里，每种玩法用下面这些票就保证至少中一注。"), this);
    explain->setWordWrap(true);
    column->addWidget(explain);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("每种玩法最多算"), this));
    m_timeLimit = new QDoubleSpinBox(this);
    m_timeLimit->setObjectName(QStringLiteral("N_baozhong_miao"));
    m_timeLimit->setAccessibleName(QStringLiteral("每种玩法最多算的秒数"));
    m_timeLimit->setRange(0.5, 600);
    m_timeLimit->setDecimals(1);
    m_timeLimit->setSuffix(QStringLiteral(" 秒"));
    m_timeLimit->setValue(form.timeLimit());
    controls->addWidget(m_timeLimit);
    auto* start = new ButtonView(form.C_jisuan, this);
    start->setObjectName(QStringLiteral("C_jisuan"));
    auto* stop = new ButtonView(form.C_tingzhi, this);
    stop->setObjectName(QStringLiteral("C_tingzhi"));
    controls->addWidget(start);
    controls->addWidget(stop);
    controls->addStretch(1);
    column->addLayout(controls);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("L_baozhong_zhuangtai"));
    m_status->setWordWrap(true);
    column->addWidget(m_status);

    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("Li_baozhong"));
    m_table->setAccessibleName(QStringLiteral("每种玩法的保中票"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("玩法"), QStringLiteral("注数"),
                                        QStringLiteral("成本(元)"), QStringLiteral("单注奖金"),
                                        QStringLiteral("保底奖金"), QStringLiteral("最高奖金"),
                                        QStringLiteral("最少注数"), QStringLiteral("推荐")});
    m_table->horizontalHeaderItem(kLeast)->setToolTip(
        QStringLiteral("开奖号在结果里时，这些票至少中的奖金"));
    m_table->horizontalHeaderItem(kProven)->setToolTip(
        QStringLiteral("已证明：不可能用更少的票；否则给出至少需要的注数"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(620, 250);
    column->addWidget(m_table, 1);

    m_tickets = new QPlainTextEdit(this);
    m_tickets->setObjectName(QStringLiteral("T_baozhong_piao"));
    m_tickets->setAccessibleName(QStringLiteral("所选玩法的票"));
    m_tickets->setReadOnly(true);
    m_tickets->setPlaceholderText(QStringLiteral("在表里点一种玩法，这里列出它的票"));
    column->addWidget(m_tickets, 1);
    auto* copy = new ButtonView(form.C_fuzhi, this);
    copy->setObjectName(QStringLiteral("C_fuzhi"));
    column->addWidget(copy);

    connect(m_timeLimit, &QDoubleSpinBox::valueChanged, this,
            [this](double seconds) { m_form.setTimeLimit(seconds); });
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        if (m_isFilling) return;
        const auto rows = m_table->selectionModel()->selectedRows();
        m_form.chooseRow(rows.isEmpty() ? -1 : rows.constFirst().row());
    });

    new TimerBinding(form.Timer1, this);
    m_form.setChangeListener([this] { refresh(); });
    refresh();
    followForm();
}

TicketWindow::~TicketWindow() {
    m_form.setChangeListener({});
}

void TicketWindow::refresh() {
    m_status->setText(toQString(m_form.status()));
    {
        const QSignalBlocker quiet(m_timeLimit);
        m_timeLimit->setValue(m_form.timeLimit());
    }
    const QColor stale = m_form.isStale() ? QColor(0x99, 0x99, 0x99) : QColor(Qt::black);
    const auto& rows = m_form.rows();
    const reducer::PlayMarks marks = m_form.marks();
    m_isFilling = true;
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto at = static_cast<std::size_t>(r);
        const auto& row = rows[at];
        QString cells[kColumns];
        cells[kPlay] = toQString(std::string(row.play.name));
        cells[kPrize] = QString::number(row.play.prize);
        if (row.reduction) {
            const auto& found = *row.reduction;
            cells[kCount] = QString::number(found.count());
            cells[kCost] = QString::number(found.cost());
            cells[kLeast] = QString::number(found.leastPrize);
            cells[kMost] = QString::number(found.mostPrize);
            cells[kProven] = found.isProven() ? QStringLiteral("已证明最少")
                                              : QStringLiteral("至少 %1 注").arg(found.lowerBound);
            QStringList notes;
            if (marks.isCheapest[at]) notes << toQString(reducer::kCheapestMark);
            if (marks.paysBest[at]) notes << toQString(reducer::kPaysBestMark);
            if (found.wasStopped) notes << QStringLiteral("已停止");
            cells[kMark] = notes.join(QStringLiteral("、"));
        } else if (row.isSolving) {
            cells[kCount] =
                row.progress.bestCount > 0 ? QString::number(row.progress.bestCount) : QString();
            cells[kProven] = QStringLiteral("至少 %1 注").arg(row.progress.lowerBound);
            cells[kMark] =
                QStringLiteral("计算中 %1 秒").arg(row.progress.elapsedSeconds, 0, 'f', 1);
        } else {
            cells[kMark] = toQString(row.note);
        }
        for (int c = 0; c < kColumns; ++c) {
            auto* item = readOnlyCell(cells[c], c >= kCount && c <= kMost);
            item->setForeground(stale);
            if (c == kMark && (marks.isCheapest[at] || marks.paysBest[at]) && !m_form.isStale())
                item->setForeground(QColor(0xD6, 0x32, 0x32));
            m_table->setItem(r, c, item);
        }
    }
    if (m_form.chosenRow() >= 0) m_table->selectRow(m_form.chosenRow());
    m_isFilling = false;
    m_tickets->setPlainText(toQString(m_form.chosenTickets()));
}

}  // namespace gui
