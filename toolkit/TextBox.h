#pragma once

#include <functional>
#include <string>

#include "toolkit/Listener.h"
#include "toolkit/Rgb.h"

namespace toolkit {

// A multi-line text box. Its text is its condition, with CR LF line breaks.
//
// A view may let the user edit the text directly; it then calls
// markEditedInView() and the text is fetched from the view only when somebody
// reads it, so typing into a box holding megabytes stays cheap.
class TextBox {
public:
    explicit TextBox(std::string text = {}) : m_text(std::move(text)) {}
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const std::string& text() const;
    void setText(std::string text);
    // Goes up by one on every setText, so a view redraws only new text.
    unsigned revision() const { return m_revision; }
    // Goes up on every change, set or typed into the view.
    unsigned editCount() const { return m_revision + m_viewEdits; }
    Rgb textColour() const { return m_textColour; }
    void setTextColour(Rgb colour);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    // Width in the form's layout units (the progress bar's fill is a text box).
    int width() const { return m_width; }
    void setWidth(int width);

    void setDoubleClickHandler(std::function<void()> handler) {
        m_onDoubleClick = std::move(handler);
    }
    void doubleClick() {
        if (m_onDoubleClick) m_onDoubleClick();
    }

    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }
    // `fetch` returns the view's text with CR LF line breaks.
    void setViewSource(std::function<std::string()> fetch) { m_fetch = std::move(fetch); }
    void markEditedInView() {
        m_isStale = true;
        ++m_viewEdits;
        if (m_onChange) m_onChange();
    }
    // Runs after every change, set or typed; for a box whose text is read as
    // it is typed, such as a previous draw.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    mutable std::string m_text;
    mutable bool m_isStale = false;
    unsigned m_revision = 0;
    unsigned m_viewEdits = 0;
    Rgb m_textColour = palette::kBlack;
    bool m_readOnly = false;
    int m_width = 0;
    std::function<void()> m_onDoubleClick;
    std::function<std::string()> m_fetch;
    std::function<void()> m_onChange;
    Listener m_view;
};

}  // namespace toolkit
