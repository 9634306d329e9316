#pragma once

#include <QScrollArea>

class QHBoxLayout;

namespace gui {

// The whole inside of a main window: its columns of panels on a surface that
// never scrolls where the screen has room for them, and scrolls where it has
// not (1280 x 720, or 150 % scaling on a 1920 x 1080 laptop) once scrolling
// is allowed. The pointer moving over the bare surface, between the panels,
// is reported.
class WindowBody final : public QScrollArea {
    Q_OBJECT
public:
    // Fills `window`, edge to edge.
    explicit WindowBody(QWidget* window);

    // Where the window's columns of panels go, side by side.
    QHBoxLayout* columns() const { return m_columns; }
    QWidget* surface() const { return widget(); }
    // Lets the window shrink below its panels, which then scroll.
    void allowScrolling();

    // The panels' full size (QScrollArea's own hint stops at a few dozen lines).
    QSize sizeHint() const override;
    // The panels' smallest size, until scrolling is allowed.
    QSize minimumSizeHint() const override;

signals:
    void surfaceHovered();

private:
    QHBoxLayout* m_columns = nullptr;
    bool m_isScrollingAllowed = false;
};

}  // namespace gui
