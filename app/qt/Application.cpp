#include "app/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

namespace gui {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool hasDisplay() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

int reportNoDisplay(const char* programName) {
    std::fprintf(stderr,
                 "%s: no display found; run it from a desktop session, or headless with: "
                 "xvfb-run -a %s\n",
                 programName, programName);
    return 2;
}

void setUpApplication(QApplication& application) {
    // Fusion paints a button's palette colour exactly; native styles may not.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(9);
    application.setFont(font);
}

}  // namespace gui
