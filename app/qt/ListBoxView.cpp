#include "app/qt/ListBoxView.h"

#include <QAbstractListModel>

#include "app/qt/QtColours.h"

namespace gui {

// The rows of a toolkit::ListBox. The box tells of a change once it is made,
// so the model keeps the row count the view was last told of and moves it
// between the begin and end of each change, as a model must.
class ListBoxModel final : public QAbstractListModel {
public:
    ListBoxModel(const toolkit::ListBox& list, QObject* parent)
        : QAbstractListModel(parent), m_list(list), m_rows(rowsOf(list)) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_rows;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_rows) return {};
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        return toQString(m_list.items()[static_cast<std::size_t>(index.row())]);
    }

    void follow(toolkit::ListBox::Change change) {
        const int rows = rowsOf(m_list);
        if (change == toolkit::ListBox::Change::Appended && rows == m_rows + 1) {
            beginInsertRows({}, m_rows, m_rows);
            m_rows = rows;
            endInsertRows();
            return;
        }
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }

private:
    static int rowsOf(const toolkit::ListBox& list) { return static_cast<int>(list.size()); }

    const toolkit::ListBox& m_list;
    int m_rows;
};

ListBoxView::ListBoxView(toolkit::ListBox& list, QWidget* parent)
    : QListView(parent), m_list(list), m_model(new ListBoxModel(list, this)) {
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list.setViewListener([this](toolkit::ListBox::Change change) { m_model->follow(change); });
}

ListBoxView::~ListBoxView() {
    m_list.setViewListener({});
}

}  // namespace gui
