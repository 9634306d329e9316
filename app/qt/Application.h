#pragma once

#include <string>

#include "shell/Shell.h"

class QApplication;
class QWidget;

namespace gui {

// Whether a window can be shown here: a display, or a Qt platform chosen by
// hand (offscreen, for tests).
bool hasDisplay();

// Prints, in one line, that there is no display and how to run the program
// without one. Returns the exit code for main().
int reportNoDisplay(const char* programName);

// Style, font and window icon shared by both programs, so that colours set on
// buttons show exactly and Chinese captions render in a CJK font.
void setUpApplication(QApplication& application);

// Where this program runs from and the addresses of its help pages: those
// set at build time, or else the shipped pages, found by shell::findHelpFolder.
shell::Environment programEnvironment();

// The draw history file: "--db PATH" among the program's arguments, else
// QUORVEL_HISTORY_DB, else history.sqlite in the user's data folder.
std::string historyFile();

// Shows the main window and runs the event loop until the program quits.
// Started with --check, the program quits by itself once the window is on
// screen, after printing "help: <folder of the help pages>", with 0 when the
// window has its icon: a smoke test of an installed copy
// (scripts/package-check.sh).
int runMainWindow(QWidget& window);

// The program's exit with `code`, once its windows are gone. A solving thread
// still at work is never waited for, and it may be inside the solver library,
// whose statics it would outlive: then the program ends without destroying
// them.
int leaveProgram(int code);

}  // namespace gui
