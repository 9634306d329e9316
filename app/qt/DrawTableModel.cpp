#include "app/qt/DrawTableModel.h"

#include <QColor>
#include <QStringList>

#include "app/qt/QtColours.h"
#include "app/qt/SideWindowColours.h"
#include "tools/draws/HistoryForm.h"

namespace gui {

QString brokenNames(const engine::Backtest& backtest, const engine::BacktestDraw& draw) {
    QStringList names;
    for (const int c : draw.broken)
        names << toQString(backtest.conditions[static_cast<std::size_t>(c)].name);
    return names.join(QStringLiteral("、"));
}

DrawTableModel::DrawTableModel(draws::HistoryForm& form, QObject* parent)
    : QAbstractTableModel(parent), m_form(form) {}

void DrawTableModel::reset() {
    beginResetModel();
    endResetModel();
}

int DrawTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_form.drawList().draws().size());
}

int DrawTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
    const auto& drawn = m_form.drawList().draws();
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= drawn.size()) return {};
    // The newest draws were back-tested, in the same order.
    const auto& backtest = m_form.backtests().backtest();
    const bool isTested = backtest && row < backtest->draws.size();
    if (role == Qt::ForegroundRole && index.column() == kVerdict && isTested &&
        backtest->draws[row].isJudged)
        return backtest->draws[row].survived ? kSurvived : kStruck;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (index.column()) {
        case kIssue:
            return toQString(drawn[row].issue);
        case kNumbers:
            return toQString(history::drawText(drawn[row].numbers));
        case kVerdict:
            if (!isTested) return QString();
            // Too few draws before it for a row read against them.
            if (!backtest->draws[row].isJudged) return QStringLiteral("不可回测");
            return backtest->draws[row].survived ? QStringLiteral("保留") : QStringLiteral("被杀");
        case kBroken:
            return isTested ? brokenNames(*backtest, backtest->draws[row]) : QString();
        default:
            return {};
    }
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    static const QString headers[] = {QStringLiteral("期号"), QStringLiteral("开奖号"),
                                      QStringLiteral("回测"), QStringLiteral("中奖号违反的条件")};
    if (role == Qt::ToolTipRole && section >= kVerdict) return QStringLiteral("按【回测】后填写");
    return role == Qt::DisplayRole ? headers[section] : QVariant();
}

}  // namespace gui
