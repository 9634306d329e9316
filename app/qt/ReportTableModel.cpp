#include "app/qt/ReportTableModel.h"

#include <QColor>
#include <QFont>
#include <algorithm>

#include "app/qt/QtColours.h"
#include "app/qt/SideWindowColours.h"
#include "tools/report/ReportForm.h"

namespace gui {

ReportTableModel::ReportTableModel(report::ReportForm& form, QObject* parent)
    : QAbstractTableModel(parent), m_form(form), m_rows(reportRows()) {}

// The conditions and the totals.
int ReportTableModel::reportRows() const {
    return static_cast<int>(m_form.report().rows.size()) + 1;
}

void ReportTableModel::follow() {
    const int rows = reportRows();
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(m_rows - 1, kColumns - 1));
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    const engine::ConditionReport& report = m_form.report();
    if (!index.isValid() || index.row() >= std::min(m_rows, reportRows())) return {};
    const auto at = static_cast<std::size_t>(index.row());
    const bool isTotals = at == report.rows.size();
    const engine::ReportRow& row = isTotals ? report.totals : report.rows[at];
    const int column = index.column();
    switch (role) {
        case Qt::TextAlignmentRole:
            if (column < kAlone || column > kOnly) return {};
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        case Qt::ForegroundRole:
            if (!isTotals && !engine::noteOf(row).empty()) return kWarningRed;
            return {};
        case Qt::FontRole: {
            if (!isTotals) return {};
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::CheckStateRole:
            if (isTotals || column != kTakesPart) return {};
            return row.takesPart ? Qt::Checked : Qt::Unchecked;
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            break;
        default:
            return {};
    }
    if (isTotals && column >= kAlone && column <= kOnly)
        return toQString(engine::totalsCells(report)[static_cast<std::size_t>(column - kAlone)]);
    switch (column) {
        case kName:
            return toQString(row.name);
        case kSetting: {
            if (isTotals) return toQString(m_form.totals());
            const std::string note = engine::noteOf(row);
            QString setting = toQString(row.summary);
            if (!note.empty()) setting += (setting.isEmpty() ? "" : "  ") + toQString(note);
            return setting;
        }
        case kAlone:
            return QString::number(row.alone);
        case kInOrder:
            return QString::number(row.inOrder);
        case kOnly:
            return QString::number(row.only);
        default:
            return QString();
    }
}

bool ReportTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable)) return false;
    const std::string name = m_form.report().rows[static_cast<std::size_t>(index.row())].name;
    m_form.setTakesPart(name, value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags ReportTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() == kTakesPart && index.row() < m_rows - 1)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    static const QString headers[] = {QStringLiteral("条件"),   QStringLiteral("设置"),
                                      QStringLiteral("单独杀"), QStringLiteral("顺序杀"),
                                      QStringLiteral("独杀"),   QStringLiteral("参与容错")};
    if (role == Qt::DisplayRole) return headers[section];
    if (role == Qt::ToolTipRole && !columnNote(section).isEmpty()) return columnNote(section);
    return {};
}

QString ReportTableModel::columnNote(int column) {
    static const QString notes[] = {
        {},
        {},
        QStringLiteral("只用这一个条件时杀掉的注数；合计行：违反任一条件的注数"),
        QStringLiteral("按缩水顺序，这个条件新杀掉的注数；合计行：缩水（含容错）共杀掉的注数"),
        QStringLiteral("只违反这一个条件的注数，容错能救回的注；合计行：只违反一个条件的注数"),
        QStringLiteral("不打勾的条件必须满足，不参与容错；改动在下次【开始缩水】时生效")};
    return column >= 0 && column < kColumns ? notes[column] : QString();
}

}  // namespace gui
