#include "app/qt/ScreenPlacement.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "app/qt/WindowBody.h"
#include "toolkit/Placement.h"

namespace gui {
namespace {

// A title bar and thin borders: what desktops put around a window, a little
// generously, so that an estimate never pushes the frame off the work area.
const QMargins kUsualFrame(8, 36, 8, 8);

QMargins frameOf(const QWidget& window) {
    if (window.windowHandle() == nullptr) return kUsualFrame;
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

}  // namespace

toolkit::Window::Geometry workAreaOf(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    if (screen == nullptr) return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

toolkit::Window::Size frameSizeOf(const QWidget& window, QSize expected) {
    const QSize size = window.windowHandle() != nullptr ? window.frameGeometry().size() : expected;
    return {size.width(), size.height()};
}

namespace {

class PlacementFollower final : public QObject {
public:
    PlacementFollower(QWidget& window, toolkit::Window& form) : QObject(&window), m_form(form) {
        form.setGeometrySource([&window] {
            const QRect frame = window.frameGeometry();
            return toolkit::Window::Geometry{frame.x(), frame.y(), frame.width(), frame.height()};
        });
        form.setWorkAreaSource([&window] { return workAreaOf(window); });
        window.installEventFilter(this);
    }
    ~PlacementFollower() override {
        m_form.setGeometrySource({});
        m_form.setWorkAreaSource({});
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            m_form.placementChanged();
        return QObject::eventFilter(watched, event);
    }

private:
    toolkit::Window& m_form;
};

}  // namespace

void followPlacement(QWidget& window, toolkit::Window& form) {
    new PlacementFollower(window, form);
}

void placeCentred(QWidget& window, const QRect& workArea) {
    const QMargins frame = frameOf(window);
    const QSize room = workArea.size().shrunkBy(frame);
    const QSize smallest = window.minimumSizeHint();
    auto* body = window.findChild<WindowBody*>();
    if (body != nullptr && (smallest.width() > room.width() || smallest.height() > room.height())) {
        body->allowScrolling();
        window.layout()->activate();
    }
    const QSize wanted = window.sizeHint().expandedTo(window.minimumSizeHint()).grownBy(frame);
    const toolkit::Window::Geometry place =
        toolkit::centredIn({wanted.width(), wanted.height()},
                           {workArea.x(), workArea.y(), workArea.width(), workArea.height()});
    window.resize(QSize(place.width, place.height).shrunkBy(frame));
    window.move(place.left, place.top);
}

void placeCentred(QWidget& window) {
    const toolkit::Window::Geometry area = workAreaOf(window);
    placeCentred(window, QRect(area.left, area.top, area.width, area.height));
}

}  // namespace gui
