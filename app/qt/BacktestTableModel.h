#pragma once

#include <QAbstractTableModel>

namespace draws {
class BacktestPanel;
}

namespace gui {

// The 回测 table read straight from the back-test: one condition a row with
// its two shares (错杀率 red when worse than chance) and the winners it broke.
class BacktestTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kSetting, kBetShare, kWinnerShare, kWinnersBroken, kColumns };

    BacktestTableModel(const draws::BacktestPanel& backtests, QObject* parent);

    void reset();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const draws::BacktestPanel& m_backtests;
};

}  // namespace gui
