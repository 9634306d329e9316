#include "app/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QUrl>
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

shell::Environment programEnvironment() {
    const QString folder = QCoreApplication::applicationDirPath();
    auto page = [&folder](const char* configured, const char* name) {
        if (configured[0] != '\0') return std::string(configured);
        return QUrl::fromLocalFile(folder + QStringLiteral("/help/") + QLatin1String(name))
            .toString()
            .toStdString();
    };
    return {folder.toStdString(),
            {page(QUORVEL_RULES_URL, "rules.html"), page(QUORVEL_TUTORIAL_URL, "tutorial.html"),
             page(QUORVEL_DOWNLOAD_URL, "download.html"), page(QUORVEL_TIPS_URL, "tips.html")}};
}

void setUpApplication(QApplication& application) {
    // Fusion paints a button's palette colour exactly; native styles may not.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(9);
    application.setFont(font);
}

}  // namespace gui
