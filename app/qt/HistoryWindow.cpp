#include "app/qt/HistoryWindow.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <functional>

#include "app/qt/BacktestTableModel.h"
#include "app/qt/DrawTableModel.h"
#include "app/qt/QtColours.h"
#include "app/qt/SideWindowColours.h"
#include "tools/draws/HistoryForm.h"

namespace gui {
namespace {

QTableView* table(QAbstractItemModel* model, const char* name, QWidget* parent) {
    auto* widget = new QTableView(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setModel(model);
    widget->verticalHeader()->hide();
    widget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 8);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget->setWordWrap(false);
    return widget;
}

// Refuses a paste that would make the box too big to stay quick, and says
// so in the status line.
class PasteBox final : public QPlainTextEdit {
public:
    PasteBox(draws::DrawImport& import, QWidget* parent)
        : QPlainTextEdit(parent), m_import(import) {}

protected:
    void insertFromMimeData(const QMimeData* source) override {
        const auto size = document()->characterCount() + source->text().size();
        if (m_import.acceptsPaste(static_cast<std::size_t>(size)))
            QPlainTextEdit::insertFromMimeData(source);
    }

private:
    draws::DrawImport& m_import;
};

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* widget = new QPushButton(caption, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A step from x to x + 1 at height `on` (0 or 1) for every draw, as the
// upper line of an area.
QAreaSeries* stripArea(const std::vector<bool>& flags, bool wanted, const QColor& colour,
                       const QString& name) {
    // A step at each end of a run of like draws, put in at once: a point at
    // a time costs a signal each, and 100,000 draws would take the frame.
    QList<QPointF> steps;
    for (std::size_t i = 0; i < flags.size();) {
        std::size_t end = i + 1;
        while (end < flags.size() && flags[end] == flags[i]) ++end;
        const double height = flags[i] == wanted ? 1.0 : 0.0;
        steps.append(QPointF(static_cast<double>(i), height));
        steps.append(QPointF(static_cast<double>(end), height));
        i = end;
    }
    auto* upper = new QLineSeries;
    upper->replace(steps);
    auto* area = new QAreaSeries(upper);
    upper->setParent(area);  // the area does not own its line
    area->setName(name);
    area->setColor(colour);
    area->setBorderColor(colour);
    return area;
}

// The strip of the draws: the tip names the draw under the mouse, found from
// its x, so that no item is kept per draw.
class StripView final : public QChartView {
public:
    StripView(std::function<QString(double)> tip, QWidget* parent)
        : QChartView(parent), m_tip(std::move(tip)) {}

protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QChartView::viewportEvent(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPointF value = chart()->mapToValue(chart()->mapFromScene(mapToScene(help->pos())));
        const QString text = m_tip(value.x());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }

private:
    std::function<QString(double)> m_tip;
};

// A splitter that fits its panes again after each change of its size.
class FittingSplitter final : public QSplitter {
public:
    FittingSplitter(std::function<void()> fit, QWidget* parent)
        : QSplitter(Qt::Vertical, parent), m_fit(std::move(fit)) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        m_fit();
    }

private:
    std::function<void()> m_fit;
};

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A chart of the strip, all of it plot: a view takes its chart's least size
// as its own, which a chart with the usual margins and legend would make
// higher than the strip.
QChart* stripChart() {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    return chart;
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
    // Room for its three lines: the hit, the numbers shared, the money.
    m_check->setMinimumHeight(3 * m_check->fontMetrics().lineSpacing() + 4);
    checkColumn->addWidget(m_check);
    column->addWidget(check);

    connect(m_lotteries, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!m_isFilling && !name.isEmpty()) m_form.drawList().choose(name.toStdString());
    });
    const auto addLottery = [this] {
        const QString name = m_newLottery->text().trimmed();
        m_form.drawList().add(name.toStdString(), [box = QPointer<QLineEdit>(m_newLottery)] {
            if (box) box->clear();
        });
    };
    connect(add, &QPushButton::clicked, this, addLottery);
    connect(m_newLottery, &QLineEdit::returnPressed, this, addLottery);
    connect(checkTyped, &QPushButton::clicked, this,
            [this] { m_form.prizeCheck().checkTyped(m_typedDraw->text().toStdString()); });
    connect(m_typedDraw, &QLineEdit::returnPressed, this,
            [this] { m_form.prizeCheck().checkTyped(m_typedDraw->text().toStdString()); });
    connect(checkNewest, &QPushButton::clicked, this,
            [this] { m_form.prizeCheck().checkNewest(); });

    m_form.setChangeListener([this] { refresh(); });
    resize(780, 760);
    refresh();
    followForm();
}

HistoryWindow::~HistoryWindow() {
    m_form.setChangeListener({});
}

QWidget* HistoryWindow::drawsTab() {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    m_drawModel = new DrawTableModel(m_form, this);
    m_draws = table(m_drawModel, "Li_kaijiang", page);
    m_draws->setAccessibleName(QStringLiteral("开奖号，最新在上"));
    m_draws->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Widths from the font, not from measuring every draw.
    const QFontMetrics metrics = m_draws->fontMetrics();
    QHeaderView* header = m_draws->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->resizeSection(DrawTableModel::kIssue,
                          metrics.horizontalAdvance(QStringLiteral("20261208001")) + 16);
    header->resizeSection(DrawTableModel::kNumbers,
                          metrics.horizontalAdvance(QStringLiteral("00 00 00 00 00")) + 16);
    header->resizeSection(DrawTableModel::kVerdict,
                          metrics.horizontalAdvance(QStringLiteral("被杀")) + 24);
    header->setStretchLastSection(true);
    auto* listed = new QVBoxLayout;
    listed->addWidget(m_draws, 1);
    // Under it the count, and while no back-test filled its last two
    // columns, what does.
    auto* under = new QHBoxLayout;
    m_drawCount = namedLabel("L_kaijiang_qishu", page);
    under->addWidget(m_drawCount);
    under->addStretch(1);
    m_untested = namedLabel("L_kaijiang_weihuice", page);
    m_untested->setText(QStringLiteral("后两列按【回测】后填写"));
    under->addWidget(m_untested);
    listed->addLayout(under);
    row->addLayout(listed, 1);

    auto* side = new QVBoxLayout;
    m_paste = new PasteBox(m_form.drawImport(), page);
    m_paste->setObjectName(QStringLiteral("T_kaijiang_zhantie"));
    m_paste->setAccessibleName(QStringLiteral("粘贴开奖号"));
    m_paste->setPlaceholderText(QStringLiteral(
        "粘贴开奖号，一行一期：期号（可省）和 5 个号码，如\n2026120801 03 07 01 11 05"));
    side->addWidget(m_paste, 1);
    auto* replace = new QCheckBox(QStringLiteral("覆盖已有期号"), page);
    replace->setObjectName(QStringLiteral("Check_fugai"));
    replace->setToolTip(QStringLiteral("已有的期号换成导入的号码；不打勾时，号码不同的行算作冲突"));
    side->addWidget(replace);
    auto* importPaste = button(QStringLiteral("导入粘贴的开奖号"), "C_kaijiang_daoru", page);
    auto* importFile = button(QStringLiteral("从文件导入…"), "C_kaijiang_wenjian", page);
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("P_daoru_jindu"));
    m_progress->setAccessibleName(QStringLiteral("导入进度"));
    m_progress->hide();
    auto* exportFile = button(QStringLiteral("导出 CSV…"), "C_kaijiang_daochu", page);
    auto* remove = button(QStringLiteral("删除所选"), "C_kaijiang_shanchu", page);
    for (auto* widget :
         std::initializer_list<QWidget*>{importPaste, importFile, m_progress, exportFile, remove})
        side->addWidget(widget);
    row->addLayout(side, 1);

    connect(replace, &QCheckBox::toggled, this,
            [this](bool ticked) { m_form.drawImport().setReplaceStored(ticked); });
    // The box empties once every line of it is in.
    connect(importPaste, &QPushButton::clicked, this, [this] {
        m_form.drawImport().importText(
            m_paste->toPlainText().toStdString(),
            [box = QPointer<QPlainTextEdit>(m_paste)](const history::ImportReport& report) {
                if (box && report.ok()) box->clear();
            });
    });
    connect(importFile, &QPushButton::clicked, this, [this] { m_form.drawImport().importFile(); });
    connect(exportFile, &QPushButton::clicked, this, [this] { m_form.drawExport().exportFile(); });
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
    m_backtestCount->setValue(draws::BacktestPanel::kDefaultDraws);
    row->addWidget(m_backtestCount);
    row->addWidget(new QLabel(QStringLiteral("期（0 = 全部）"), page));
    auto* run = button(QStringLiteral("回测"), "C_huice", page);
    row->addWidget(run);
    m_periodNote = namedLabel("L_huice_quanbu", page);
    row->addWidget(m_periodNote);
    row->addStretch(1);
    column->addLayout(row);

    m_backtestSummary = new QLabel(page);
    m_backtestSummary->setObjectName(QStringLiteral("L_huice_zongjie"));
    m_backtestSummary->setWordWrap(true);
    column->addWidget(m_backtestSummary);
    m_backtestModel = new BacktestTableModel(m_form.backtests(), this);
    m_backtestTable = table(m_backtestModel, "Li_huice", page);
    m_backtestTable->setAccessibleName(QStringLiteral("回测表"));
    m_backtestTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_backtestTable->horizontalHeader()->setSectionResizeMode(BacktestTableModel::kSetting,
                                                              QHeaderView::Stretch);
    // The table above the bars; the player moves the line between them. The
    // table keeps room for all its rows while there is room: the bars, a
    // row of their own for each condition, scroll instead.
    m_backtestSplit = new FittingSplitter([this] { fitBacktestTable(); }, page);
    m_backtestSplit->setChildrenCollapsible(false);
    m_backtestTable->setMinimumHeight(120);
    m_backtestSplit->addWidget(m_backtestTable);
    m_sharesArea = new QScrollArea(m_backtestSplit);
    m_sharesArea->setObjectName(QStringLiteral("S_huice_tiaojian"));
    m_sharesArea->setFrameShape(QFrame::NoFrame);
    m_sharesArea->setWidgetResizable(true);
    m_sharesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sharesArea->setMinimumHeight(6 * fontMetrics().height());
    m_shares = new QChartView(m_sharesArea);
    m_shares->setObjectName(QStringLiteral("Chart_huice_tiaojian"));
    m_shares->setAccessibleName(QStringLiteral("每个条件的杀注比例与错杀率"));
    m_shares->setRenderHint(QPainter::Antialiasing);
    m_sharesArea->setWidget(m_shares);
    m_backtestSplit->addWidget(m_sharesArea);
    m_backtestSplit->setStretchFactor(0, 0);
    m_backtestSplit->setStretchFactor(1, 1);
    column->addWidget(m_backtestSplit, 1);
    auto* red = namedLabel("L_huice_hongse", page);
    red->setWordWrap(true);
    red->setText(QStringLiteral("<span style=\"color:%1\">红色</span>：这个条件杀掉中奖号的比例"
                                "高于它杀掉的注数比例，比随机还差")
                     .arg(kWarningRed.name()));
    column->addWidget(red);
    m_strip = new StripView([this](double x) { return stripTip(x); }, page);
    m_strip->setObjectName(QStringLiteral("Chart_huice_qishu"));
    m_strip->setAccessibleName(QStringLiteral("每期中奖号是否保留"));
    m_strip->setFixedHeight(40);
    replaceChart(*m_strip, stripChart());
    column->addWidget(m_strip);
    // Under the strip its first and last issue, at their ends.
    auto* ends = new QHBoxLayout;
    m_oldestIssue = namedLabel("L_huice_zuizao", page);
    m_newestIssue = namedLabel("L_huice_zuixin", page);
    ends->addWidget(m_oldestIssue);
    ends->addStretch(1);
    ends->addWidget(new QLabel(QStringLiteral("每期中奖号：绿色保留，红色被杀（最新在右）"), page));
    ends->addStretch(1);
    ends->addWidget(m_newestIssue);
    column->addLayout(ends);

    connect(run, &QPushButton::clicked, this,
            [this] { m_form.backtests().run(m_backtestCount->value()); });
    connect(m_backtestCount, &QSpinBox::valueChanged, this, [this] { showPeriodNote(); });
    return page;
}

// A 对奖 or a status line leaves thousands of draws as they were; a new
// back-test redraws only the columns that speak of it.
void HistoryWindow::refresh() {
    const int listed = m_form.drawList().revision();
    const int tested = m_form.backtests().revision();
    if (listed != m_shownList) {
        m_shownList = listed;
        fillLotteries();
        m_drawModel->reset();
        const std::string& missing = m_form.drawList().missingIssue();
        m_drawCount->setText(
            QStringLiteral("共 %1 期").arg(m_drawModel->rowCount()) +
            (missing.empty() ? QString() : QStringLiteral("；缺少 %1 期").arg(toQString(missing))));
        showPeriodNote();
    } else if (tested != m_shownBacktest && m_drawModel->rowCount() > 0) {
        emit m_drawModel->dataChanged(
            m_drawModel->index(0, DrawTableModel::kVerdict),
            m_drawModel->index(m_drawModel->rowCount() - 1, DrawTableModel::kBroken));
    }
    if (tested != m_shownBacktest) {
        m_shownBacktest = tested;
        m_untested->setVisible(!m_form.backtests().backtest());
        m_backtestModel->reset();
        fillBacktest();
        fitBacktestTable();
    }
    const std::string working = m_form.working();
    m_status->setText(toQString(working.empty() ? m_form.status() : working));
    m_check->setText(toQString(m_form.prizeCheck().result()));
    const auto& progress = m_form.drawImport().progress();
    m_progress->setVisible(progress.has_value());
    if (progress) {
        // Lines, in thousands, to stay within the bar's int.
        m_progress->setRange(0, static_cast<int>(progress->total / 1000 + 1));
        m_progress->setValue(static_cast<int>(progress->done / 1000));
    }
}

void HistoryWindow::fillLotteries() {
    m_isFilling = true;
    m_lotteries->clear();
    for (const auto& name : m_form.drawList().lotteries()) m_lotteries->addItem(toQString(name));
    m_lotteries->setCurrentText(toQString(m_form.drawList().lottery()));
    m_isFilling = false;
}

void HistoryWindow::fillBacktest() {
    const auto& backtest = m_form.backtests().backtest();
    if (!backtest) {
        m_backtestSummary->clear();
        m_oldestIssue->clear();
        m_newestIssue->clear();
        m_shares->setMinimumHeight(0);
        if (!m_shares->chart()->series().isEmpty()) replaceChart(*m_shares, new QChart);
        if (!m_strip->chart()->series().isEmpty()) replaceChart(*m_strip, stripChart());
        return;
    }
    const int drawCount = static_cast<int>(backtest->draws.size());
    m_backtestSummary->setText(toQString(engine::backtestSummary(*backtest)));

    auto* betShares = new QBarSet(QStringLiteral("杀注比例"));
    auto* winnerShares = new QBarSet(QStringLiteral("错杀率"));
    betShares->setColor(kBetShare);
    winnerShares->setColor(kStruck);
    QStringList names;
    for (const auto& condition : backtest->conditions) {
        const double betShare = backtest->betShare(condition);
        const double winnerShare = backtest->winnerShare(condition);
        names.prepend(toQString(condition.name));  // the first condition on top
        betShares->insert(0, betShare * 100.0);
        winnerShares->insert(0, winnerShare * 100.0);
    }

    auto* shares = new QChart;
    shares->setMargins(QMargins(2, 2, 2, 2));
    shares->layout()->setContentsMargins(0, 0, 0, 0);
    shares->setBackgroundRoundness(0);
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
    // Each condition's pair of bars as high as a label and more, the legend
    // and the percents besides: no label left out for want of room.
    const int line = fontMetrics().height();
    m_shares->setMinimumHeight(5 * line +
                               static_cast<int>(backtest->conditions.size()) * (line + 10));

    // Oldest left, newest right; the draws that could not be back-tested are
    // in no figure, nor here.
    std::vector<bool> survived;
    for (auto draw = backtest->draws.rbegin(); draw != backtest->draws.rend(); ++draw) {
        if (draw->isJudged) survived.push_back(draw->survived);
    }
    auto* strip = stripChart();
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
    replaceChart(*m_strip, strip);
    if (drawCount > 0) {
        m_oldestIssue->setText(toQString(backtest->draws.back().issue));
        m_newestIssue->setText(toQString(backtest->draws.front().issue));
    }
}

// Room for every row of the table and no more, taken from the bars down to
// their least; the bars have the rest.
void HistoryWindow::fitBacktestTable() {
    QList<int> sizes = m_backtestSplit->sizes();
    if (sizes.size() != 2) return;
    const int wanted =
        m_backtestTable->horizontalHeader()->sizeHint().height() +
        m_backtestModel->rowCount() * m_backtestTable->verticalHeader()->defaultSectionSize() +
        2 * m_backtestTable->frameWidth();
    const int total = sizes[0] + sizes[1];
    const int fitted = std::max(std::min(wanted, total - m_sharesArea->minimumHeight()),
                                m_backtestTable->minimumHeight());
    if (sizes[0] == fitted) return;
    sizes = {fitted, total - fitted};
    m_backtestSplit->setSizes(sizes);
}

// Says when the period asks for more draws than are stored.
void HistoryWindow::showPeriodNote() {
    const int asked = m_backtestCount->value();
    const auto stored = m_form.drawList().draws().size();
    const bool isShort = asked > 0 && stored > 0 && stored < static_cast<std::size_t>(asked);
    m_periodNote->setText(isShort ? QStringLiteral("只有 %1 期，回测全部").arg(stored) : QString());
}

// The draw at `x` on the strip, 0 at the oldest's left edge: its issue and
// whether its winner was kept, else the conditions that struck it.
QString HistoryWindow::stripTip(double x) const {
    const auto& backtest = m_form.backtests().backtest();
    if (!backtest || backtest->draws.empty() || x < 0) return {};
    // The strip shows only the draws back-tested, which are the newest.
    const std::size_t judged = static_cast<std::size_t>(backtest->judgedDraws);
    if (judged == 0) return {};
    const auto fromOldest = std::min(static_cast<std::size_t>(x), judged - 1);
    const auto& draw = backtest->draws[judged - 1 - fromOldest];
    const QString broken = brokenNames(*backtest, draw);
    QString verdict;
    if (!draw.survived)
        verdict = broken.isEmpty() ? QStringLiteral("被杀（违反的条件少于容错的下限）")
                                   : QStringLiteral("被杀（%1）").arg(broken);
    else
        verdict = broken.isEmpty() ? QStringLiteral("保留")
                                   : QStringLiteral("保留（违反%1，在容错之内）").arg(broken);
    return toQString(draw.issue) + QStringLiteral("：") + verdict;
}

void HistoryWindow::deleteSelected() {
    std::vector<std::string> issues;
    for (const QModelIndex& row : m_draws->selectionModel()->selectedRows(DrawTableModel::kIssue))
        issues.push_back(row.data().toString().toStdString());
    m_form.drawList().remove(issues);
}

}  // namespace gui
