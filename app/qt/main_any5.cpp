#include <QApplication>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Application.h"
#include "app/qt/QtHost.h"

namespace {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    gui::setUpApplication(application);
    // Ties the windows to their menu entry, data/org.quorvel.Any5.desktop.
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Any5"));

    gui::QtHost host;
    any5::MainForm form(host);
    form.load();
    form.lishi.setDatabasePath(gui::historyFile());
    form.lishi.follow();
    form.links.environment = gui::programEnvironment();
    gui::Any5Window window(form);
    host.setWindow(&window);
    return gui::runMainWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    if (!gui::hasDisplay()) return gui::reportNoDisplay("quorvel_any5");
    return gui::leaveProgram(run(argc, argv));
}
