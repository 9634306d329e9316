#pragma once

class QWidget;

namespace benchsupport {

// A screen reader on the accessibility bridge, within this process. While
// it lives the bridge is on: Qt sends the change events of its item views
// and keeps their accessible objects up to date, as it does when the
// desktop's bridge asks for them (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 under
// X). read() then does what the screen reader does after a change: it asks
// for every object of a window, its role, name and state, down to each item
// of a list or table, which is what makes Qt build one accessible object per
// item.
class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The items (list items and table cells) read.
    int read(QWidget& window);
};

}  // namespace benchsupport
