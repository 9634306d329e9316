#pragma once

#include <QAbstractTableModel>
#include <memory>

namespace trend {
class TrendForm;
struct Chart;
}  // namespace trend

namespace gui {

// The chart's draws as a table: 期号, 开奖号码, then one column per chart
// column. DisplayRole is the cell as shown (a skip left blank while skips are
// hidden); kHitRole says the cell is hit (a ball to paint).
class TrendRowModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kIssue = 0;
    static constexpr int kNumbers = 1;
    static constexpr int kFirstChartColumn = 2;
    static constexpr int kHitRole = Qt::UserRole;
    static constexpr int kPlainRole = Qt::UserRole + 1;
    static constexpr int kChosenRole = Qt::UserRole + 2;
    static constexpr int kGridRole = Qt::UserRole + 3;

    TrendRowModel(trend::TrendForm& form, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Takes a new chart (draws, period or 大号 option changed).
    void reset();

private:
    trend::TrendForm& m_form;
    std::shared_ptr<const trend::Chart> m_chart;
};

// The five statistics rows under the draws, column for column.
class TrendStatsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TrendStatsModel(trend::TrendForm& form, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void reset();

private:
    trend::TrendForm& m_form;
    std::shared_ptr<const trend::Chart> m_chart;
};

}  // namespace gui
