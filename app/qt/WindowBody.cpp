#include "app/qt/WindowBody.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <functional>

namespace gui {
namespace {

// Moves over a panel stop at the panel; only the bare surface reports them.
class Surface final : public QWidget {
public:
    Surface(std::function<void()> onHover, QWidget* parent)
        : QWidget(parent), m_onHover(std::move(onHover)) {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        QWidget::mouseMoveEvent(event);
        m_onHover();
    }

private:
    std::function<void()> m_onHover;
};

// Asks for the panels' smallest height whatever the width: through wrapped
// notes the scroll area would otherwise want their full height, and scroll a
// window that has room for every panel.
class Columns final : public QHBoxLayout {
public:
    using QHBoxLayout::QHBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

}  // namespace

WindowBody::WindowBody(QWidget* window) : QScrollArea(window) {
    setObjectName(QStringLiteral("WindowBody"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    auto* surface = new Surface([this] { emit surfaceHovered(); }, this);
    m_columns = new Columns(surface);
    setWidget(surface);
    auto* fill = new QVBoxLayout(window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(this);
}

void WindowBody::allowScrolling() {
    m_isScrollingAllowed = true;
    updateGeometry();
}

QSize WindowBody::sizeHint() const {
    return widget()->sizeHint().grownBy(contentsMargins());
}

QSize WindowBody::minimumSizeHint() const {
    if (m_isScrollingAllowed) return QScrollArea::minimumSizeHint();
    return widget()->minimumSizeHint().grownBy(contentsMargins());
}

}  // namespace gui
