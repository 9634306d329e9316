#include "bench/ScreenReader.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QWidget>

namespace benchsupport {
namespace {

// The switch the desktop's bridge turns when a screen reader starts; under
// the offscreen platform nothing else turns it.
void setBridge(bool on) {
    if (QPlatformAccessibility* bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->setActive(on);
}

int readAll(QAccessibleInterface* node) {
    if (node == nullptr || !node->isValid()) return 0;
    const QAccessible::Role role = node->role();
    (void)node->text(QAccessible::Name);
    (void)node->state();
    int items = role == QAccessible::ListItem || role == QAccessible::Cell ? 1 : 0;
    for (int i = 0; i < node->childCount(); ++i) items += readAll(node->child(i));
    return items;
}

}  // namespace

ScreenReader::ScreenReader() {
    setBridge(true);
}

ScreenReader::~ScreenReader() {
    setBridge(false);
}

int ScreenReader::read(QWidget& window) {
    return readAll(QAccessible::queryAccessibleInterface(&window));
}

}  // namespace benchsupport
