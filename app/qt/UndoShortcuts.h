#pragma once

class QAbstractButton;
class QWidget;

namespace scheme {
class UndoHistory;
}

namespace gui {

// 撤销 / 重做 of a main window: after each round of the event loop the
// history settles (a change becomes a step); Ctrl+Z presses 撤销, Ctrl+Shift+Z
// and Ctrl+Y press 重做, in the main window and its side windows, except
// while a text box has the focus, which undoes its own typing first.
void addUndoShortcuts(QWidget& window, scheme::UndoHistory& history, QAbstractButton& undo,
                      QAbstractButton& redo);

}  // namespace gui
