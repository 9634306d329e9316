#include "app/qt/TrendWindow.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/QtColours.h"
#include "app/qt/TrendHeader.h"
#include "app/qt/TrendModels.h"
#include "tools/trend/TrendForm.h"

namespace gui {
namespace {

constexpr int kRowHeight = 22;
constexpr int kCellWidth = 26;
const QColor kGridBall(0xD0, 0x30, 0x30);
const QColor kBlockBall(0x2B, 0x6C, 0xC4);
const QColor kSkip(0x9A, 0x9A, 0x9A);
const QColor kChosenFill(0xFF, 0xF6, 0xD8);
const QColor kSeparator(0x70, 0x70, 0x70);

// Paints a hit as a ball with its number, a skip in grey, and a line under
// every fifth draw.
class BallDelegate final : public QStyledItemDelegate {
public:
    BallDelegate(bool separates, QObject* parent)
        : QStyledItemDelegate(parent), m_separates(separates) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const QRect rect = option.rect;
        const bool isChart = index.column() >= TrendRowModel::kFirstChartColumn;
        painter->fillRect(
            rect, index.data(TrendRowModel::kChosenRole).toBool() ? kChosenFill : Qt::white);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (isChart && index.data(TrendRowModel::kHitRole).toBool()) {
            const bool isGrid = index.data(TrendRowModel::kGridRole).toBool();
            const int side = std::min(rect.width(), rect.height()) - 3;
            const QRect ball(rect.center().x() - side / 2, rect.center().y() - side / 2, side,
                             side);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(isGrid ? kGridBall : kBlockBall);
            painter->drawEllipse(ball);
            painter->setPen(Qt::white);
            painter->drawText(rect, Qt::AlignCenter, text);
        } else {
            const bool isSkip = isChart && !index.data(TrendRowModel::kPlainRole).toBool();
            painter->setPen(isSkip ? kSkip : Qt::black);
            painter->drawText(rect, Qt::AlignCenter, text);
        }
        painter->setPen(QColor(0xE2, 0xE2, 0xE2));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        if (m_separates && (index.row() + 1) % 5 == 0) {
            painter->setPen(kSeparator);
            painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        }
        painter->restore();
    }

private:
    bool m_separates;
};

QTableView* chartTable(QAbstractItemModel* model, bool separates, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(model);
    table->setItemDelegate(new BallDelegate(separates, table));
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setMinimumSectionSize(kCellWidth);
    table->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    table->setShowGrid(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    return table;
}

QString periodCaption(int draws) {
    return draws > 0 ? QStringLiteral("最近 %1 期").arg(draws) : QStringLiteral("全部");
}

}  // namespace

TrendWindow::TrendWindow(trend::TrendForm& form, QWidget* mainWindow)
    : SideWindow(form, "F_zoushi", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("Cb_zoushi_qishu"));
    m_period->setAccessibleName(QStringLiteral("期数"));
    for (const int draws : trend::TrendForm::kPeriods)
        m_period->addItem(periodCaption(draws), draws);
    m_period->setCurrentIndex(m_period->findData(form.period()));
    top->addWidget(m_period);
    m_skips = new QCheckBox(QStringLiteral("显示遗漏"), this);
    m_skips->setObjectName(QStringLiteral("Check_zoushi_yilou"));
    m_skips->setChecked(form.showsSkips());
    top->addWidget(m_skips);
    m_window = new QLabel(this);
    m_window->setObjectName(QStringLiteral("L_zoushi_fanwei"));
    top->addWidget(m_window, 1);
    auto* picture = new QPushButton(QStringLiteral("导出图片"), this);
    picture->setObjectName(QStringLiteral("C_zoushi_tupian"));
    auto* csv = new QPushButton(QStringLiteral("导出CSV"), this);
    csv->setObjectName(QStringLiteral("C_zoushi_csv"));
    top->addWidget(picture);
    top->addWidget(csv);
    column->addLayout(top);
    auto* legend = new QLabel(
        QStringLiteral("遗漏：距上次开出隔了几期（按全部开奖历史算，≥ 表示开奖历史里还没开出过）；"
                       "出现次数、最大遗漏、平均遗漏 =（期数 − 出现次数）÷（出现次数 + 1）、"
                       "最大连出、当前遗漏按所选期数算。点击个数的表头即在主窗口点这个按钮，"
                       "右键号码的表头可设通杀码、胆码。"),
        this);
    legend->setObjectName(QStringLiteral("L_zoushi_shuoming"));
    legend->setWordWrap(true);
    column->addWidget(legend);

    m_rows = new TrendRowModel(form, this);
    m_statsModel = new TrendStatsModel(form, this);
    m_table = chartTable(m_rows, true, this);
    m_table->setObjectName(QStringLiteral("Li_zoushi"));
    m_table->setAccessibleName(QStringLiteral("走势图"));
    m_header = new TrendHeader(form, m_table);
    m_table->setHorizontalHeader(m_header);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setMinimumSectionSize(kCellWidth);
    m_header->setDefaultSectionSize(kCellWidth);
    column->addWidget(m_table, 1);
    m_stats = chartTable(m_statsModel, false, this);
    m_stats->setObjectName(QStringLiteral("Li_zoushi_tongji"));
    m_stats->setAccessibleName(QStringLiteral("走势图统计"));
    m_stats->horizontalHeader()->hide();
    m_stats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stats->setFixedHeight(5 * kRowHeight + 2 * m_stats->frameWidth());
    column->addWidget(m_stats);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("L_zoushi_zhuangtai"));
    column->addWidget(m_status);

    // The statistics scroll sideways with the draws, and keep room for the
    // draws' vertical bar.
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged,
            m_stats->horizontalScrollBar(), &QScrollBar::setValue);
    connect(m_period, &QComboBox::currentIndexChanged, this, [this] {
        m_form.setPeriod(m_period->currentData().toInt());
        follow();
    });
    connect(m_skips, &QCheckBox::toggled, this, [this](bool shows) {
        m_form.setShowsSkips(shows);
        m_table->viewport()->update();
    });
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section >= TrendRowModel::kFirstChartColumn)
            m_form.pressValue(section - TrendRowModel::kFirstChartColumn);
        follow();
    });
    connect(m_header, &QWidget::customContextMenuRequested, this, &TrendWindow::showNumberMenu);
    connect(picture, &QPushButton::clicked, this, &TrendWindow::exportPicture);
    connect(csv, &QPushButton::clicked, this, [this] {
        m_form.exportCsv();
        m_status->setText(toQString(m_form.status()));
    });
    // The event loop about to wait: every change of this round is in.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] {
                if (isVisible()) follow();
            });
    resize(960, 640);
    followForm();
    follow();
}

TrendWindow::~TrendWindow() = default;

void TrendWindow::showEvent(QShowEvent* event) {
    SideWindow::showEvent(event);
    follow();
}

void TrendWindow::follow() {
    if (m_form.revision() != m_shownRevision) {
        takeChart();
        return;
    }
    std::string settings = m_form.settingsKey();
    if (settings == m_shownSettings) return;
    m_shownSettings = std::move(settings);
    m_header->viewport()->update();
    m_table->viewport()->update();
}

// A new chart: widths for its columns, scrolled to the newest draw.
void TrendWindow::takeChart() {
    m_shownRevision = m_form.revision();
    m_shownSettings = m_form.settingsKey();
    m_rows->reset();
    m_statsModel->reset();
    const trend::Chart& chart = m_form.chart();
    for (auto* table : {m_table, m_stats}) {
        table->setColumnWidth(TrendRowModel::kIssue, 96);
        table->setColumnWidth(TrendRowModel::kNumbers, 112);
        for (int c = 0; c < chart.columnCount(); ++c) {
            const bool isPlain = chart.caption(c) == chart.groupName(c);
            table->setColumnWidth(TrendRowModel::kFirstChartColumn + c,
                                  isPlain ? 2 * kCellWidth : kCellWidth);
        }
    }
    m_window->setText(toQString(trend::windowLine(chart)));
    m_table->scrollToBottom();
}

void TrendWindow::showNumberMenu(const QPoint& at) {
    const int section = m_header->logicalIndexAt(at);
    if (section < TrendRowModel::kFirstChartColumn) return;
    auto items = m_form.numberMenu(section - TrendRowModel::kFirstChartColumn);
    if (items.empty()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Menu_zoushi_haoma"));
    for (auto& item : items) {
        QAction* action = menu.addAction(toQString(item.caption));
        action->setCheckable(true);
        action->setChecked(item.isChecked);
        connect(action, &QAction::triggered, this, [toggle = item.toggle] { toggle(); });
    }
    menu.exec(m_header->mapToGlobal(at));
    follow();
}

QImage TrendWindow::picture() const {
    std::vector<int> widths;
    int width = 0;
    for (int s = 0; s < m_rows->columnCount(); ++s) {
        widths.push_back(m_table->columnWidth(s));
        width += widths.back();
    }
    const int headerHeight = m_header->sizeHint().height();
    const int rows = m_rows->rowCount();
    QImage image(width, headerHeight + (rows + 5) * kRowHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(m_table->font());
    // The header's lower line, then the group spans over it.
    int x = 0;
    for (int s = 0; s < m_rows->columnCount(); ++s) {
        const QRect rect(x, 0, widths[static_cast<std::size_t>(s)], headerHeight);
        painter.save();
        const QRect lower = s < TrendRowModel::kFirstChartColumn
                                ? rect
                                : QRect(rect.left(), headerHeight / 2, rect.width(),
                                        headerHeight - headerHeight / 2);
        painter.fillRect(rect, QColor(0xF0, 0xF0, 0xF0));
        painter.drawText(lower, Qt::AlignCenter,
                         m_rows->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString());
        painter.restore();
        x += widths[static_cast<std::size_t>(s)];
    }
    m_header->paintGroups(painter, headerHeight, widths);
    QStyleOptionViewItem option;
    option.font = m_table->font();
    const auto paintRows = [&](const QAbstractItemModel& model, QAbstractItemDelegate& delegate,
                               int top) {
        for (int r = 0; r < model.rowCount(); ++r) {
            int left = 0;
            for (int s = 0; s < model.columnCount(); ++s) {
                option.rect = QRect(left, top + r * kRowHeight, widths[static_cast<std::size_t>(s)],
                                    kRowHeight);
                delegate.paint(&painter, option, model.index(r, s));
                left += widths[static_cast<std::size_t>(s)];
            }
        }
    };
    paintRows(*m_rows, *m_table->itemDelegate(), headerHeight);
    paintRows(*m_statsModel, *m_stats->itemDelegate(), headerHeight + rows * kRowHeight);
    return image;
}

void TrendWindow::exportPicture() {
    if (m_rows->rowCount() > kMostPictureRows) {
        m_form.say("图片最多 " + std::to_string(kMostPictureRows) +
                   " 期：请选较少的期数，或导出CSV");
        m_status->setText(toQString(m_form.status()));
        return;
    }
    const std::string path = m_form.choosePictureFile();
    if (path.empty()) return;
    QSaveFile file(toQString(path));
    const bool saved =
        file.open(QIODevice::WriteOnly) && picture().save(&file, "PNG") && file.commit();
    m_form.say(saved ? "已导出图片到 " + path : "写不了文件：" + path);
    m_status->setText(toQString(m_form.status()));
}

}  // namespace gui
