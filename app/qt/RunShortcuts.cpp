#include "app/qt/RunShortcuts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace gui {
namespace {

bool isTyping() {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
            qobject_cast<QTextEdit*>(widget) != nullptr ||
            qobject_cast<QLineEdit*>(widget) != nullptr)
            return true;
        if (widget->isWindow()) break;
    }
    return false;
}

}  // namespace

void addRunShortcuts(QWidget& window, QAbstractButton& start, QAbstractButton& copy) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_F5)}) {
        auto* shortcut = new QShortcut(keys, &window);
        QObject::connect(shortcut, &QShortcut::activated, &start, [&start] {
            if (!isTyping()) start.click();
        });
    }
    auto* copyKeys = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window);
    QObject::connect(copyKeys, &QShortcut::activated, &copy, &QAbstractButton::click);
}

}  // namespace gui
