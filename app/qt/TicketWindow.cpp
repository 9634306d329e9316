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
#include "app/qt/SideWindowColours.h"
#include "app/qt/TimerBinding.h"
#include "tools/tickets/TicketForm.h"
#include "tools/tickets/TicketTable.h"

namespace gui {
namespace {

using Table = tickets::TicketTable;

}  // namespace

TicketWindow::TicketWindow(tickets::TicketForm& form, QWidget* mainWindow)
    : SideWindow(form, "Fbaozhong", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    m_explain = new QLabel(this);
    m_explain->setObjectName(QStringLiteral("L_baozhong_shuoming"));
    m_explain->setWordWrap(true);
    column->addWidget(m_explain);

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

    m_table = new QTableWidget(0, Table::kColumns, this);
    m_table->setObjectName(QStringLiteral("Li_baozhong"));
    m_table->setAccessibleName(QStringLiteral("每种玩法的保中票"));
    QStringList header;
    for (const char* title : Table::kHeader) header << QString::fromUtf8(title);
    m_table->setHorizontalHeaderLabels(header);
    m_table->horizontalHeaderItem(Table::kLeast)
        ->setToolTip(QStringLiteral("开奖号在结果里时，这些票至少中的奖金"));
    m_table->horizontalHeaderItem(Table::kBalance)
        ->setToolTip(
            QStringLiteral("保底奖金减去成本：开奖号在结果里时，至少赚（+）或至少亏（-）多少元"));
    m_table->horizontalHeaderItem(Table::kProof)
        ->setToolTip(
            QStringLiteral("%1：不可能用更少的票；否则给出下限：再少于这个注数一定不能保中")
                .arg(QString::fromUtf8(reducer::kProvenLeast)));
    m_table->horizontalHeaderItem(Table::kNote)
        ->setToolTip(
            QStringLiteral("全部玩法算完后标出%1和%2（只在保底奖金不低于成本的玩法中选）；%"
                           "3：开奖号在结果里也可能亏钱")
                .arg(QString::fromUtf8(reducer::kCheapestMark),
                     QString::fromUtf8(reducer::kPaysBestMark),
                     QString::fromUtf8(reducer::kNoPayBackMark)));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(800, 250);
    column->addWidget(m_table, 1);

    m_ticketsHeading = new QLabel(this);
    m_ticketsHeading->setObjectName(QStringLiteral("L_baozhong_piao"));
    column->addWidget(m_ticketsHeading);
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
    QString explain =
        QStringLiteral("下期开奖号只要在缩水结果里，每种玩法用下面这些票就保证至少中一注。");
    if (!m_form.record().empty()) explain += toQString(m_form.record()) + QStringLiteral("。");
    m_explain->setText(explain);
    m_status->setText(toQString(m_form.status()));
    {
        const QSignalBlocker quiet(m_timeLimit);
        m_timeLimit->setValue(m_form.timeLimit());
    }
    const QColor stale = m_form.isStale() ? QColor(0x99, 0x99, 0x99) : QColor(Qt::black);
    const QColor pointedOut = m_form.isStale() ? stale : kWarningRed;
    const Table table = m_form.table();
    m_isFilling = true;
    m_table->setRowCount(static_cast<int>(table.cells.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const auto at = static_cast<std::size_t>(r);
        for (int c = 0; c < Table::kColumns; ++c) {
            const QString text = toQString(table.cells[at][static_cast<std::size_t>(c)]);
            const QColor colour = c == Table::kNote && table.isPointedOut[at] ? pointedOut : stale;
            // Only changed cells are touched, so the player's selection stays.
            QTableWidgetItem* item = m_table->item(r, c);
            if (item == nullptr) {
                item = readOnlyCell(text, Table::isNumber(c));
                m_table->setItem(r, c, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
            if (item->foreground().color() != colour) item->setForeground(colour);
        }
    }
    if (m_form.chosenRow() >= 0) m_table->selectRow(m_form.chosenRow());
    m_isFilling = false;
    // Rewritten only when the chosen play's tickets change: progress of the
    // play solving must not take away a selection or the scroll position.
    m_ticketsHeading->setText(toQString(m_form.chosenHeading()));
    const QString tickets = toQString(m_form.chosenTickets());
    if (tickets != m_shownTickets) {
        m_shownTickets = tickets;
        m_tickets->setPlainText(tickets);
    }
}

}  // namespace gui
