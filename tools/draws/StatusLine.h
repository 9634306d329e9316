#pragma once

#include <functional>
#include <string>

namespace draws {

// The history window's one status line, which each of its parts writes, and
// the redraw of the view, which each asks for when what it shows changed.
class StatusLine {
public:
    const std::string& text() const { return m_text; }
    void say(std::string text) {
        m_text = std::move(text);
        changed();
    }
    void changed() const {
        if (m_onChange) m_onChange();
    }
    void setChangeListener(std::function<void()> listener) { m_onChange = std::move(listener); }

private:
    std::string m_text;
    std::function<void()> m_onChange;
};

}  // namespace draws
