#include <QApplication>

#include "app/qt/Application.h"
#include "app/qt/Front3Window.h"
#include "app/qt/QtHost.h"
#include "front3/MainForm.h"

int main(int argc, char** argv) {
    if (!gui::hasDisplay()) return gui::reportNoDisplay("quorvel_front3");
    QApplication application(argc, argv);
    gui::setUpApplication(application);

    gui::QtHost host;
    front3::MainForm form(host);
    form.load();
    form.environment = gui::programEnvironment();
    gui::Front3Window window(form);
    host.setWindow(&window);
    window.show();
    return QApplication::exec();
}
