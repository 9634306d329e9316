#include "toolkit/ListBox.h"

#include <utility>

namespace toolkit {

void ListBox::clear() {
    m_items.clear();
    notify(Change::Cleared);
}

void ListBox::append(std::string item) {
    m_items.push_back(std::move(item));
    notify(Change::Appended);
}

void ListBox::assign(std::vector<std::string> items) {
    m_items = std::move(items);
    notify(Change::Replaced);
}

}  // namespace toolkit
