#include "app/qt/SideWindow.h"

#include <QCloseEvent>
#include <QTableWidgetItem>

#include "app/qt/QtColours.h"
#include "app/qt/ScreenPlacement.h"
#include "toolkit/Window.h"

namespace gui {

QTableWidgetItem* readOnlyCell(const QString& text, bool isNumber) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (isNumber) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

SideWindow::SideWindow(toolkit::Window& form, const char* objectName, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_form(form) {
    setObjectName(QLatin1String(objectName));
    setWindowTitle(toQString(form.title()));
}

SideWindow::~SideWindow() {
    m_form.setViewListener({});
    m_form.setFrameSizeSource({});
}

void SideWindow::followForm() {
    m_form.setFrameSizeSource([this] { return frameSizeOf(*this, sizeHint()); });
    m_form.setViewListener([this] { sync(); });
    sync();
}

void SideWindow::closeEvent(QCloseEvent* event) {
    m_form.unload();
    event->accept();
}

void SideWindow::sync() {
    if (!m_form.isLoaded()) {
        hide();
        return;
    }
    move(m_form.left(), m_form.top());
    show();
    raise();
}

}  // namespace gui
