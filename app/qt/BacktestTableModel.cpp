#include "app/qt/BacktestTableModel.h"

#include <QColor>

#include "app/qt/QtColours.h"
#include "app/qt/SideWindowColours.h"
#include "tools/draws/BacktestPanel.h"

namespace gui {

BacktestTableModel::BacktestTableModel(const draws::BacktestPanel& backtests, QObject* parent)
    : QAbstractTableModel(parent), m_backtests(backtests) {}

void BacktestTableModel::reset() {
    beginResetModel();
    endResetModel();
}

int BacktestTableModel::rowCount(const QModelIndex& parent) const {
    const auto& backtest = m_backtests.backtest();
    return parent.isValid() || !backtest ? 0 : static_cast<int>(backtest->conditions.size());
}

int BacktestTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant BacktestTableModel::data(const QModelIndex& index, int role) const {
    const auto& backtest = m_backtests.backtest();
    if (!index.isValid() || !backtest ||
        static_cast<std::size_t>(index.row()) >= backtest->conditions.size())
        return {};
    const auto& condition = backtest->conditions[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::TextAlignmentRole:
            if (index.column() < kBetShare) return {};
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        case Qt::ForegroundRole:
            if (index.column() == kWinnerShare && backtest->isWorseThanChance(condition))
                return kStruck;
            return {};
        case Qt::ToolTipRole:
            // A long setting is cut in its cell; the tip has all of it.
            if (index.column() == kSetting && !condition.summary.empty())
                return toQString(condition.summary);
            return {};
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            break;
        default:
            return {};
    }
    switch (index.column()) {
        case kName:
            return toQString(condition.name);
        case kSetting:
            return toQString(condition.summary);
        case kBetShare:
            return toQString(engine::percentText(backtest->betShare(condition)));
        case kWinnerShare:
            return toQString(engine::percentText(backtest->winnerShare(condition)));
        case kWinnersBroken:
            return QString::number(condition.winnersBroken);
        default:
            return {};
    }
}

QVariant BacktestTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    static const QString headers[] = {QStringLiteral("条件"), QStringLiteral("设置"),
                                      QStringLiteral("杀注比例"), QStringLiteral("错杀率"),
                                      QStringLiteral("错杀期数")};
    static const QString tips[] = {
        {},
        {},
        QStringLiteral("这个条件杀掉的注占全部注数的比例"),
        QStringLiteral("这个条件杀掉过去中奖号的比例：比杀注比例高，说明它杀中奖号比杀别的注更多"),
        {}};
    if (role == Qt::DisplayRole) return headers[section];
    if (role == Qt::ToolTipRole && !tips[section].isEmpty()) return tips[section];
    return {};
}

}  // namespace gui
