#pragma once

#include <QAbstractTableModel>

#include <QString>

namespace draws {
class HistoryForm;
}

namespace engine {
struct Backtest;
struct BacktestDraw;
}  // namespace engine

namespace gui {

// The conditions a back-tested draw's winner broke, by name, in run order.
QString brokenNames(const engine::Backtest& backtest, const engine::BacktestDraw& draw);

// The draws table of "开奖历史" read straight from the form: 期号, 开奖号, and
// for the back-tested newest draws the verdict and the conditions broken
// (their headers' tips say that a back-test fills them). Nothing is kept per draw; a change of the
// draws or the back-test resets it.
class DrawTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kIssue, kNumbers, kVerdict, kBroken, kColumns };

    DrawTableModel(draws::HistoryForm& form, QObject* parent);

    void reset();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    draws::HistoryForm& m_form;
};

}  // namespace gui
