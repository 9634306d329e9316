#pragma once

#include <functional>
#include <string>

#include "toolkit/Listener.h"

namespace toolkit {

// A check box. Setting its value from code raises its click event, as the
// toolkit the windows were designed for does.
class CheckBox {
public:
    explicit CheckBox(std::string caption) : m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    bool isTicked() const { return m_ticked; }
    // Changes the value and, if it changed, raises the click event.
    void setTicked(bool ticked);
    // A click by the user: flips the value and raises the click event.
    void click() { setTicked(!m_ticked); }

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    std::string m_caption;
    bool m_ticked = false;
    std::function<void()> m_onClick;
    Listener m_view;
};

}  // namespace toolkit
