#pragma once

#include "app/shell/Shell.h"

class QApplication;

namespace gui {

// Whether a window can be shown here: a display, or a Qt platform chosen by
// hand (offscreen, for tests).
bool hasDisplay();

// Prints, in one line, that there is no display and how to run the program
// without one. Returns the exit code for main().
int reportNoDisplay(const char* programName);

// Style and font shared by both programs, so that colours set on buttons show
// exactly and Chinese captions render in a CJK font.
void setUpApplication(QApplication& application);

// Where this program runs from and the addresses of its help pages: those
// set at build time, or else the pages in help/ beside the program.
shell::Environment programEnvironment();

}  // namespace gui
