#pragma once

#include <functional>
#include <string>

#include "toolkit/Listener.h"
#include "toolkit/Rgb.h"

namespace toolkit {

// A command button: caption (may hold CR LF for two lines), back colour,
// enabled and visible flags, and a click handler that press() runs at once.
class Button {
public:
    explicit Button(std::string caption = {}, Rgb backColour = palette::kTabGrey);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    Rgb backColour() const { return m_backColour; }
    void setBackColour(Rgb colour);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    // A tip that changes with what the button would do ("撤销：杀和值 …");
    // "" leaves the window's own tip.
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string tip);

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    // Runs the click handler inside the caller, as a click by the user would.
    // A disabled button ignores presses, as it ignores clicks.
    void press();

    // The pointer moved over the button.
    void setMouseMoveHandler(std::function<void()> handler) { m_onMouseMove = std::move(handler); }
    void mouseMove() {
        if (m_onMouseMove) m_onMouseMove();
    }

    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    std::string m_caption;
    Rgb m_backColour = palette::kTabGrey;
    bool m_enabled = true;
    bool m_visible = true;
    std::string m_toolTip;
    std::function<void()> m_onClick;
    std::function<void()> m_onMouseMove;
    Listener m_view;
};

}  // namespace toolkit
