#pragma once

#include <functional>
#include <string>

#include "toolkit/Listener.h"
#include "toolkit/Rgb.h"

namespace toolkit {

// A label: a caption with an optional underline and a text colour.
class Label {
public:
    explicit Label(std::string caption = {}) : m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool isUnderlined() const { return m_underlined; }
    void setUnderlined(bool underlined);
    Rgb textColour() const { return m_textColour; }
    void setTextColour(Rgb colour);

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    // Whether a click does anything: such a label is a link to press.
    bool hasClickHandler() const { return static_cast<bool>(m_onClick); }
    void click() {
        if (m_onClick) m_onClick();
    }
    void setMouseMoveHandler(std::function<void()> handler) { m_onMouseMove = std::move(handler); }
    void mouseMove() {
        if (m_onMouseMove) m_onMouseMove();
    }
    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    std::string m_caption;
    bool m_underlined = false;
    Rgb m_textColour = palette::kBlack;
    std::function<void()> m_onClick;
    std::function<void()> m_onMouseMove;
    Listener m_view;
};

}  // namespace toolkit
