#pragma once

#include <vector>

class QWidget;

namespace gui {

// A one-line hint of what a control keeps or kills, for the widget of that
// object name (a button panel carries its array's name).
struct Tooltip {
    const char* objectName;
    const char* text;
};

// The hints of each main window, all in one place.
const std::vector<Tooltip>& any5Tooltips();
const std::vector<Tooltip>& front3Tooltips();

// Gives every widget of `window` named in `tips` its hint; the side windows,
// though children of the main window, are left alone.
void applyTooltips(QWidget& window, const std::vector<Tooltip>& tips);

}  // namespace gui
