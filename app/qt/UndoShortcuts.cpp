#include "app/qt/UndoShortcuts.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "scheme/UndoHistory.h"

namespace gui {

void addUndoShortcuts(QWidget& window, scheme::UndoHistory& history, QAbstractButton& undo,
                      QAbstractButton& redo) {
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &window, [&history] { history.settle(); });
    const std::pair<QKeySequence, QAbstractButton*> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &undo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &redo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &redo}};
    for (const auto& [sequence, button] : keys) {
        auto* shortcut = new QShortcut(sequence, &window);
        // Side windows are windows of their own: the keys work there too.
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) button->click();
        });
    }
}

}  // namespace gui
