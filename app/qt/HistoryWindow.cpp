#include "app/qt/HistoryWindow.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "app/qt/QtColours.h"
#include "app/qt/TimerBinding.h"
#include "engine/TypedBet.h"
#include "tools/draws/HistoryForm.h"

namespace gui {
namespace {

const QColor kSurvived(0x2E, 0x9E, 0x44);
const QColor kStruck(0xD6, 0x32, 0x32);
const QColor kBetShare(0x5B, 0x8D, 0xD9);

QTableWidget* table(const QStringList& headers, const char* name, QWidget* parent) {
    auto* widget = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    widget->setObjectName(QLatin1String(name));
    widget->setHorizontalHeaderLabels(headers);
    widget->verticalHeader()->hide();
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (headers.size() > 1)
        widget->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    return widget;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* widget = new QPushButton(caption, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString drawText(const std::array<int, 5>& numbers) {
    QStringList texts;
    for (const int n : numbers) texts << toQString(engine::twoDigits(n));
    return texts.join(QLatin1Char(' '));
}

// A step from x to x + 1 at height `on` (0 or 1) for every draw, as the
// upper line of an area.
QAreaSeries* stripArea(const std::vector<bool>& flags, bool wanted, const QColor& colour,
                       const QString& name) {
    auto* upper = new QLineSeries;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const double height = flags[i] == wanted ? 1.0 : 0.0;
        upper->append(static_cast<double>(i), height);
        upper->append(static_cast<double>(i + 1), height);
    }
    auto* area = new QAreaSeries(upper);
    upper->setParent(area);  // the area does not own its line
    area->setName(name);
    area->setColor(colour);
    area->setBorderColor(colour);
    return area;
}

// A chart view hands its last chart back rather than deleting it.
void replaceChart(QChartView& view, QChart* chart) {
    QChart* last = view.chart();
    view.setChart(chart);
    delete last;
}

}  // namespace

HistoryWindow::HistoryWindow(draws::HistoryForm& form, QWidget* mainWindow)
    : SideWindow(form, "Flishi", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);

    auto* lotteryRow = new QHBoxLayout;
    lotteryRow->addWidget(new QLabel(QStringLiteral("彩种："), this));
    m_lotteries = new QComboBox(this);
    m_lotteries->setObjectName(QStringLiteral("Cb_caizhong"));
    m_lotteries->setAccessibleName(QStringLiteral("彩种"));
    m_lotteries->setMinimumWidth(160);
    lotteryRow->addWidget(m_lotteries);
    m_newLottery = new QLineEdit(this);
    m_newLottery->setObjectName(QStringLiteral("T_caizhong_xin"));
    m_newLottery->setPlaceholderText(QStringLiteral("新彩种名，如 广东11选5"));
    m_newLottery->setAccessibleName(QStringLiteral("新彩种名"));
    lotteryRow->addWidget(m_newLottery, 1);
    auto* add = button(QStringLiteral("添加彩种"), "C_caizhong_tianjia", this);
    lotteryRow->addWidget(add);
    column->addLayout(lotteryRow);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Tab_lishi"));
    tabs->addTab(drawsTab(), QStringLiteral("开奖号"));
    tabs->addTab(backtestTab(), QStringLiteral("回测"));
    column->addWidget(tabs, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("L_lishi_zhuangtai"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_status);

    auto* check = new QGroupBox(QStringLiteral("对奖：当前缩水结果"), this);
    auto* checkColumn = new QVBoxLayout(check);
    auto* checkRow = new QHBoxLayout;
    m_typedDraw = new QLineEdit(check);
    m_typedDraw->setObjectName(QStringLiteral("T_duijiang"));
    m_typedDraw->setPlaceholderText(QStringLiteral("开奖号，按开奖顺序，如 03 07 01 11 05"));
    m_typedDraw->setAccessibleName(QStringLiteral("对奖的开奖号"));
    checkRow->addWidget(m_typedDraw, 1);
    auto* checkTyped = button(QStringLiteral("对奖"), "C_duijiang", check);
    auto* checkNewest = button(QStringLiteral("对最新一期"), "C_duijiang_zuixin", check);
    checkRow->addWidget(checkTyped);
    checkRow->addWidget(checkNewest);
    checkColumn->addLayout(checkRow);
    m_check = new QLabel(check);
    m_check->setObjectName(QStringLiteral("L_duijiang_jieguo"));
    m_check->setWordWrap(true);
    m_check->setTextInteractionFlags(Qt::TextSelectableByMouse);
    checkColumn->addWidget(m_check);
    column->addWidget(check);

    connect(m_lotteries, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!m_isFilling && !name.isEmpty()) m_form.chooseLottery(name.toStdString());
    });
    const auto addLottery = [this] {
        const QString name = m_newLottery->text().trimmed();
        if (m_form.addLottery(name.toStdString())) m_newLottery->clear();
    };
    connect(add, &QPushButton::clicked, this, addLottery);
    connect(m_newLottery, &QLineEdit::returnPressed, this, addLottery);
    connect(checkTyped, &QPushButton::clicked, this,
            [this] { m_form.checkTyped(m_typedDraw->text().toStdString()); });
    connect(m_typedDraw, &QLineEdit::returnPressed, this,
            [this] { m_form.checkTyped(m_typedDraw->text().toStdString()); });
    connect(checkNewest, &QPushButton::clicked, this, [this] { m_form.checkNewest(); });

    new TimerBinding(form.Timer1, this);
    m_form.setChangeListener([this] { refresh(); });
    resize(780, 700);
    refresh();
    followForm();
}

HistoryWindow::~HistoryWindow() {
    m_form.setChangeListener({});
}

QWidget* HistoryWindow::drawsTab() {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    m_draws = table({QStringLiteral("期号"), QStringLiteral("开奖号"), QStringLiteral("回测"),
                     QStringLiteral("中奖号违反的条件")},
                    "Li_kaijiang", page);
    m_draws->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_draws->horizontalHeader()->setStretchLastSection(true);
    m_draws->setAccessibleName(QStringLiteral("开奖号，最新在上"));
    m_draws->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_draws->setSelectionMode(QAbstractItemView::ExtendedSelection);
    row->addWidget(m_draws, 1);

    auto* side = new QVBoxLayout;
    m_paste = new QPlainTextEdit(page);
    m_paste->setObjectName(QStringLiteral("T_kaijiang_zhantie"));
    m_paste->setAccessibleName(QStringLiteral("粘贴开奖号"));
    m_paste->setPlaceholderText(QStringLiteral(
        "粘贴开奖号，一行一期：期号（可省）和 5 个号码，如\n2026120801 03 07 01 11 05"));
    side->addWidget(m_paste, 1);
    auto* importPaste = button(QStringLiteral("导入粘贴的开奖号"), "C_kaijiang_daoru", page);
    auto* importFile = button(QStringLiteral("从文件导入…"), "C_kaijiang_wenjian", page);
    auto* exportFile = button(QStringLiteral("导出 CSV…"), "C_kaijiang_daochu", page);
    auto* remove = button(QStringLiteral("删除所选"), "C_kaijiang_shanchu", page);
    for (auto* widget : {importPaste, importFile, exportFile, remove}) side->addWidget(widget);
    row->addLayout(side, 1);

    connect(importPaste, &QPushButton::clicked, this, [this] {
        m_form.importText(m_paste->toPlainText().toStdString());
        if (m_status->text().startsWith(QStringLiteral("导入 ")) &&
            m_status->text().contains(QStringLiteral("错误 0 行")))
            m_paste->clear();
    });
    connect(importFile, &QPushButton::clicked, this, [this] { m_form.importFile(); });
    connect(exportFile, &QPushButton::clicked, this, [this] { m_form.exportFile(); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteSelected(); });
    return page;
}

QWidget* HistoryWindow::backtestTab() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("用当前条件回测最近"), page));
    m_backtestCount = new QSpinBox(page);
    m_backtestCount->setObjectName(QStringLiteral("N_huice_qishu"));
    m_backtestCount->setAccessibleName(QStringLiteral("回测期数"));
    m_backtestCount->setRange(0, 1'000'000);
    m_backtestCount->setSpecialValueText(QStringLiteral("全部"));
    m_backtestCount->setValue(draws::HistoryForm::kDefaultBacktestDraws);
    row->addWidget(m_backtestCount);
    row->addWidget(new QLabel(QStringLiteral("期"), page));
    auto* run = button(QStringLiteral("回测"), "C_huice", page);
    row->addWidget(run);
    row->addStretch(1);
    column->addLayout(row);

    m_backtestSummary = new QLabel(page);
    m_backtestSummary->setObjectName(QStringLiteral("L_huice_zongjie"));
    m_backtestSummary->setWordWrap(true);
    column->addWidget(m_backtestSummary);
    m_backtestTable =
        table({QStringLiteral("条件"), QStringLiteral("设置"), QStringLiteral("杀注比例"),
               QStringLiteral("错杀率"), QStringLiteral("错杀期数")},
              "Li_huice", page);
    m_backtestTable->setAccessibleName(QStringLiteral("回测表"));
    m_backtestTable->verticalHeader()->setDefaultSectionSize(24);
    m_backtestTable->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral("这个条件杀掉的注占全部注数的比例"));
    m_backtestTable->horizontalHeaderItem(3)->setToolTip(
        QStringLiteral("这个条件杀掉过去中奖号的比例：比杀注比例高，说明它杀中奖号比杀别的注更多"));
    // The table above the bars; the player moves the line between them.
    auto* split = new QSplitter(Qt::Vertical, page);
    split->setChildrenCollapsible(false);
    m_backtestTable->setMinimumHeight(120);
    split->addWidget(m_backtestTable);
    m_shares = new QChartView(split);
    m_shares->setObjectName(QStringLiteral("Chart_huice_tiaojian"));
    m_shares->setAccessibleName(QStringLiteral("每个条件的杀注比例与错杀率"));
    m_shares->setRenderHint(QPainter::Antialiasing);
    m_shares->setMinimumHeight(200);
    split->addWidget(m_shares);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    column->addWidget(split, 1);
    column->addWidget(
        new QLabel(QStringLiteral("每期中奖号：绿色保留，红色被杀（最新在右）"), page));
    m_strip = new QChartView(page);
    m_strip->setObjectName(QStringLiteral("Chart_huice_qishu"));
    m_strip->setAccessibleName(QStringLiteral("每期中奖号是否保留"));
    m_strip->setFixedHeight(56);
    column->addWidget(m_strip);

    connect(run, &QPushButton::clicked, this,
            [this] { m_form.runBacktest(m_backtestCount->value()); });
    return page;
}

// A 对奖 or a status line leaves thousands of draws as they were.
void HistoryWindow::refresh() {
    if (m_form.revision() != m_shownRevision) {
        m_shownRevision = m_form.revision();
        fillLotteries();
        fillDraws();
        fillBacktest();
    }
    m_status->setText(toQString(m_form.status()));
    m_check->setText(toQString(m_form.checkResult()));
}

void HistoryWindow::fillLotteries() {
    if (!m_form.isLoaded()) return;
    m_isFilling = true;
    m_lotteries->clear();
    for (const auto& name : m_form.lotteries()) m_lotteries->addItem(toQString(name));
    m_lotteries->setCurrentText(toQString(m_form.lottery()));
    m_isFilling = false;
}

void HistoryWindow::fillDraws() {
    const auto& drawn = m_form.draws();
    // The newest draws were back-tested, in the same order.
    const auto& backtest = m_form.backtest();
    const std::size_t tested = backtest ? backtest->draws.size() : 0;
    m_draws->setRowCount(static_cast<int>(drawn.size()));
    for (int r = 0; r < static_cast<int>(drawn.size()); ++r) {
        const auto at = static_cast<std::size_t>(r);
        m_draws->setItem(r, 0, readOnlyCell(toQString(drawn[at].issue)));
        m_draws->setItem(r, 1, readOnlyCell(drawText(drawn[at].numbers)));
        QString verdict;
        QStringList broken;
        if (at < tested) {
            const auto& record = backtest->draws[at];
            verdict = record.survived ? QStringLiteral("保留") : QStringLiteral("被杀");
            for (const int c : record.broken)
                broken << toQString(backtest->conditions[static_cast<std::size_t>(c)].name);
        }
        auto* verdictCell = readOnlyCell(verdict);
        if (at < tested)
            verdictCell->setForeground(backtest->draws[at].survived ? kSurvived : kStruck);
        m_draws->setItem(r, 2, verdictCell);
        m_draws->setItem(r, 3, readOnlyCell(broken.join(QStringLiteral("、"))));
    }
}

void HistoryWindow::fillBacktest() {
    const auto& backtest = m_form.backtest();
    if (!backtest) {
        m_backtestTable->setRowCount(0);
        m_backtestSummary->clear();
        for (QChartView* view : {m_shares, m_strip}) {
            if (!view->chart()->series().isEmpty()) replaceChart(*view, new QChart);
        }
        return;
    }
    const int drawCount = static_cast<int>(backtest->draws.size());
    m_backtestSummary->setText(
        QStringLiteral("回测 %1 期：中奖号保留 %2 期，被杀 %3 期；最长连续被杀 %4 期；当前剩 %5 注")
            .arg(drawCount)
            .arg(backtest->winnersSurvived)
            .arg(drawCount - backtest->winnersSurvived)
            .arg(backtest->longestStruckRun)
            .arg(backtest->survivorsToday));

    m_backtestTable->setRowCount(static_cast<int>(backtest->conditions.size()));
    auto* betShares = new QBarSet(QStringLiteral("杀注比例"));
    auto* winnerShares = new QBarSet(QStringLiteral("错杀率"));
    betShares->setColor(kBetShare);
    winnerShares->setColor(kStruck);
    QStringList names;
    int r = 0;
    for (const auto& condition : backtest->conditions) {
        const double betShare = backtest->betShare(condition);
        const double winnerShare = backtest->winnerShare(condition);
        m_backtestTable->setItem(r, 0, readOnlyCell(toQString(condition.name)));
        m_backtestTable->setItem(r, 1, readOnlyCell(toQString(condition.summary)));
        m_backtestTable->setItem(r, 2,
                                 readOnlyCell(toQString(engine::percentText(betShare)), true));
        auto* winners = readOnlyCell(toQString(engine::percentText(winnerShare)), true);
        // A condition that struck more winners than bets is worse than chance.
        if (winnerShare > betShare) winners->setForeground(kStruck);
        m_backtestTable->setItem(r, 3, winners);
        m_backtestTable->setItem(r, 4,
                                 readOnlyCell(QString::number(condition.winnersBroken), true));
        ++r;
        names.prepend(toQString(condition.name));  // the first condition on top
        betShares->insert(0, betShare * 100.0);
        winnerShares->insert(0, winnerShare * 100.0);
    }

    auto* shares = new QChart;
    shares->setMargins(QMargins(2, 2, 2, 2));
    auto* bars = new QHorizontalBarSeries;
    bars->append(betShares);
    bars->append(winnerShares);
    shares->addSeries(bars);
    auto* conditionAxis = new QBarCategoryAxis;
    conditionAxis->append(names);
    conditionAxis->setTruncateLabels(false);
    shares->addAxis(conditionAxis, Qt::AlignLeft);
    bars->attachAxis(conditionAxis);
    auto* percentAxis = new QValueAxis;
    percentAxis->setRange(0, 100);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    shares->addAxis(percentAxis, Qt::AlignBottom);
    bars->attachAxis(percentAxis);
    shares->legend()->setAlignment(Qt::AlignTop);
    replaceChart(*m_shares, shares);

    // Oldest left, newest right.
    std::vector<bool> survived;
    for (auto draw = backtest->draws.rbegin(); draw != backtest->draws.rend(); ++draw)
        survived.push_back(draw->survived);
    auto* strip = new QChart;
    for (auto* area : {stripArea(survived, true, kSurvived, QStringLiteral("保留")),
                       stripArea(survived, false, kStruck, QStringLiteral("被杀"))}) {
        strip->addSeries(area);
    }
    strip->createDefaultAxes();
    for (auto* axis : strip->axes()) {
        axis->setVisible(false);
        axis->setGridLineVisible(false);
    }
    if (auto axes = strip->axes(Qt::Horizontal); !axes.isEmpty())
        axes.constFirst()->setRange(0, std::max(1, drawCount));
    if (auto axes = strip->axes(Qt::Vertical); !axes.isEmpty()) axes.constFirst()->setRange(0, 1);
    strip->legend()->hide();
    strip->setMargins(QMargins(0, 0, 0, 0));
    strip->layout()->setContentsMargins(0, 0, 0, 0);
    strip->setBackgroundRoundness(0);
    replaceChart(*m_strip, strip);
}

void HistoryWindow::deleteSelected() {
    std::vector<std::string> issues;
    for (const auto& range : m_draws->selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            issues.push_back(m_draws->item(r, 0)->text().toStdString());
    }
    m_form.deleteDraws(issues);
}

}  // namespace gui
