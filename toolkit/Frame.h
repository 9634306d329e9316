#pragma once

#include <string>

#include "toolkit/Listener.h"

namespace toolkit {

// A frame: a captioned container that can be shown, hidden and moved.
// Positions are in the form's layout units.
class Frame {
public:
    explicit Frame(std::string caption = {}) : m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    int left() const { return m_left; }
    int top() const { return m_top; }
    void move(int left, int top);

    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    std::string m_caption;
    bool m_visible = true;
    int m_left = 0;
    int m_top = 0;
    Listener m_view;
};

}  // namespace toolkit
