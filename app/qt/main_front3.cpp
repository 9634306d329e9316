#include <QApplication>

#include "app/qt/Application.h"
#include "app/qt/Front3Window.h"
#include "app/qt/QtHost.h"
#include "front3/MainForm.h"

namespace {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    gui::setUpApplication(application);
    // Ties the windows to their menu entry, data/org.quorvel.Front3.desktop.
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Front3"));

    gui::QtHost host;
    front3::MainForm form(host);
    form.load();
    form.lishi.setDatabasePath(gui::historyFile());
    form.lishi.follow();
    form.environment = gui::programEnvironment();
    gui::Front3Window window(form);
    host.setWindow(&window);
    return gui::runMainWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    if (!gui::hasDisplay()) return gui::reportNoDisplay("quorvel_front3");
    return gui::leaveProgram(run(argc, argv));
}
