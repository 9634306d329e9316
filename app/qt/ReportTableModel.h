#pragma once

#include <QAbstractTableModel>

namespace report {
class ReportForm;
}

namespace gui {

// The 条件统计 table read straight from the report: one active condition a
// row with what it strikes and its 参与容错 tick (red when it strikes
// nothing), then the totals in bold. Ticking a box tells the form.
class ReportTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kSetting, kAlone, kInOrder, kOnly, kTakesPart, kColumns };

    ReportTableModel(report::ReportForm& form, QObject* parent);

    // The report changed: rows come or go at the end, as many as it has, and
    // every cell is read again, so the selection and scroll position stay.
    void follow();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // What a column counts, for its tooltip and the window's explanation.
    static QString columnNote(int column);

private:
    int reportRows() const;

    report::ReportForm& m_form;
    int m_rows = 0;  // what the views were last told
};

}  // namespace gui
