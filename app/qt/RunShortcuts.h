#pragma once

class QAbstractButton;
class QWidget;

namespace gui {

// The keys of a main window: Enter, keypad Enter and F5 press the start
// button as a click would (a disabled one ignores them), except while the
// focus is in a text box, where Enter begins a new line; Ctrl+Shift+C presses
// the copy button.
void addRunShortcuts(QWidget& window, QAbstractButton& start, QAbstractButton& copy);

}  // namespace gui
