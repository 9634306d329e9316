#pragma once

#include <functional>
#include <utility>

namespace toolkit {

// The one view bound to a control. A control tells it about every change so the
// view can repaint; the view never holds condition state of its own.
class Listener {
public:
    void set(std::function<void()> onChanged) { m_onChanged = std::move(onChanged); }
    void notify() const {
        if (m_onChanged) m_onChanged();
    }

private:
    std::function<void()> m_onChanged;
};

}  // namespace toolkit
