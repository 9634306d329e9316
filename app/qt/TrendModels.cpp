#include "app/qt/TrendModels.h"

#include "app/qt/QtColours.h"
#include "tools/trend/TrendForm.h"

namespace gui {

TrendRowModel::TrendRowModel(trend::TrendForm& form, QObject* parent)
    : QAbstractTableModel(parent), m_form(form), m_chart(form.sharedChart()) {}

int TrendRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_chart->rowCount();
}

int TrendRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstChartColumn + m_chart->columnCount();
}

QVariant TrendRowModel::data(const QModelIndex& index, int role) const {
    const trend::Chart& chart = *m_chart;
    if (!index.isValid() || index.row() >= chart.rowCount()) return {};
    const int row = index.row();
    const int column = index.column() - kFirstChartColumn;
    if (column < 0) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        const auto at = static_cast<std::size_t>(row);
        return index.column() == kIssue ? toQString(chart.issues[at])
                                        : toQString(history::drawText(chart.numbers[at]));
    }
    const trend::Column& at = chart.columns[static_cast<std::size_t>(column)];
    const bool isPlain = !at.isGrid() && chart.blocks[static_cast<std::size_t>(at.block)].isPlain;
    const bool isHit = !isPlain && chart.cell(row, column) == 0;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            if (!isPlain && !isHit && !m_form.showsSkips() && role == Qt::DisplayRole)
                return QString();
            return toQString(trend::cellText(chart, row, column));
        case kHitRole:
            return isHit;
        case kPlainRole:
            return isPlain;
        case kChosenRole:
            return m_form.isChosen(column);
        case kGridRole:
            return at.isGrid();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

QVariant TrendRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    const trend::Chart& chart = *m_chart;
    const int column = section - kFirstChartColumn;
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (section == kIssue) return QStringLiteral("期号");
        if (section == kNumbers) return QStringLiteral("开奖号码");
        if (column >= chart.columnCount()) return {};
        const QString caption = toQString(chart.caption(column));
        if (role == Qt::AccessibleTextRole) return toQString(chart.groupName(column)) + caption;
        return caption;
    }
    if (role == Qt::ToolTipRole && column >= 0 && column < chart.columnCount()) {
        if (chart.columns[static_cast<std::size_t>(column)].isGrid())
            return QStringLiteral("右键：设为通杀码、加入胆码");
        if (m_form.hasRow(column))
            return QStringLiteral("点击：在主窗口点这个按钮（%1 %2）")
                .arg(toQString(chart.groupName(column)), toQString(chart.caption(column)));
    }
    return {};
}

void TrendRowModel::reset() {
    beginResetModel();
    m_chart = m_form.sharedChart();
    endResetModel();
}

TrendStatsModel::TrendStatsModel(trend::TrendForm& form, QObject* parent)
    : QAbstractTableModel(parent), m_form(form), m_chart(form.sharedChart()) {}

int TrendStatsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(trend::kStatsNames.size());
}

int TrendStatsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TrendRowModel::kFirstChartColumn + m_chart->columnCount();
}

QVariant TrendStatsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (index.column() == TrendRowModel::kIssue)
        return QString::fromUtf8(trend::kStatsNames[static_cast<std::size_t>(index.row())]);
    const int column = index.column() - TrendRowModel::kFirstChartColumn;
    if (column < 0 || m_chart->rowCount() == 0) return QString();
    return toQString(trend::statsCell(*m_chart, index.row(), column));
}

void TrendStatsModel::reset() {
    beginResetModel();
    m_chart = m_form.sharedChart();
    endResetModel();
}

}  // namespace gui
