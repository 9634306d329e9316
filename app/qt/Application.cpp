#include "app/qt/Application.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "app/qt/ScreenPlacement.h"
#include "history/HistoryPath.h"
#include "shell/HelpFolder.h"
#include "tools/tickets/TicketForm.h"

namespace gui {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

QString helpFolder() {
    const auto holdsPages = [](const std::string& folder) {
        return QFileInfo::exists(QString::fromStdString(folder) + QStringLiteral("/rules.html"));
    };
    return QString::fromStdString(
        shell::findHelpFolder(QCoreApplication::applicationDirPath().toStdString(), holdsPages));
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/quorvel/quorvel-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

// Polls rather than waiting for one event: on X11 the window is exposed a
// little after show(), offscreen at once. Five seconds is ample for either.
void quitOnceShown(QWidget& window, int triesLeft) {
    const QWindow* handle = window.windowHandle();
    if (handle != nullptr && handle->isExposed()) {
        std::printf("help: %s\n", qPrintable(helpFolder()));
        std::fflush(stdout);
        // The icon is a resource of a static library: a link that drops it
        // builds and runs, and only the icon goes missing.
        const bool hasIcon = !window.windowIcon().availableSizes().isEmpty();
        if (!hasIcon) std::fprintf(stderr, "the window has no icon\n");
        QCoreApplication::exit(hasIcon ? 0 : 1);
    } else if (triesLeft == 0) {
        std::fprintf(stderr, "the main window never came on screen\n");
        QCoreApplication::exit(1);
    } else {
        QTimer::singleShot(20, &window,
                           [&window, triesLeft] { quitOnceShown(window, triesLeft - 1); });
    }
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

std::string historyFile() {
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--db"));
    return history::historyPathFromEnvironment(
        at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toStdString() : std::string());
}

shell::Environment programEnvironment() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString pages = helpFolder();
    auto page = [&pages](const char* configured, const char* name) {
        if (configured[0] != '\0') return std::string(configured);
        return QUrl::fromLocalFile(pages + QLatin1Char('/') + QLatin1String(name))
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
    QApplication::setWindowIcon(applicationIcon());
}

int runMainWindow(QWidget& window) {
    placeCentred(window);
    window.show();
    if (QCoreApplication::arguments().contains(QStringLiteral("--check"))) {
        QTimer::singleShot(0, &window, [&window] { quitOnceShown(window, 250); });
    }
    return QApplication::exec();
}

int leaveProgram(int code) {
    if (tickets::runningSolvers() == 0) return code;
    std::fflush(nullptr);
    std::quick_exit(code);
}

}  // namespace gui
