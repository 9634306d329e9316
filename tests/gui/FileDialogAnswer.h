#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace guitest {

// Clicks a button whose file dialog is answered with `path`; returns the
// dialog's title and filter. The dialog is looked for until it is up.
inline QString clickAnsweringFileDialog(QAbstractButton* button, const QString& path) {
    QString title;
    QTimer poll;
    poll.setInterval(50);
    int sightings = 0;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &title, &sightings, path] {
        QFileDialog* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<QFileDialog*>(top); found && found->isVisible())
                dialog = found;
        }
        // Seen twice, so its own event loop is surely running.
        if (dialog == nullptr || ++sightings < 2) return;
        poll.stop();
        title = dialog->windowTitle() + QLatin1Char('|') + dialog->nameFilters().join(';');
        // The player types the whole path into the name box, as one may.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();  // as the OK button does
    });
    poll.start();
    QTest::mouseClick(button, Qt::LeftButton);
    return title;
}

}  // namespace guitest
