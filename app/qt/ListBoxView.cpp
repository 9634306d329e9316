#include "app/qt/ListBoxView.h"

#include <QStringList>

#include "app/qt/QtColours.h"

namespace gui {

ListBoxView::ListBoxView(toolkit::ListBox& list, QWidget* parent)
    : QListWidget(parent), m_list(list) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list.setViewListener([this](toolkit::ListBox::Change change) { follow(change); });
    refill();
}

ListBoxView::~ListBoxView() {
    m_list.setViewListener({});
}

void ListBoxView::follow(toolkit::ListBox::Change change) {
    switch (change) {
        case toolkit::ListBox::Change::Cleared:
            clear();
            break;
        case toolkit::ListBox::Change::Appended:
            addItem(toQString(m_list.items().back()));
            break;
        case toolkit::ListBox::Change::Replaced:
            refill();
            break;
    }
}

void ListBoxView::refill() {
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_list.size()));
    for (const auto& item : m_list.items()) items.push_back(toQString(item));
    setUpdatesEnabled(false);
    clear();
    addItems(items);
    setUpdatesEnabled(true);
}

}  // namespace gui
