#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace toolkit {

// A list box of text items. A view is told what changed so it can follow a
// whole new result in one step instead of item by item.
class ListBox {
public:
    enum class Change { Cleared, Appended, Replaced };

    const std::vector<std::string>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    void clear();
    void append(std::string item);
    // Clear followed by appending every item, as one change.
    void assign(std::vector<std::string> items);

    void setViewListener(std::function<void(Change)> onChanged) {
        m_onChanged = std::move(onChanged);
    }

private:
    void notify(Change change) const {
        if (m_onChanged) m_onChanged(change);
    }

    std::vector<std::string> m_items;
    std::function<void(Change)> m_onChanged;
};

}  // namespace toolkit
