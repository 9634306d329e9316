#pragma once

#include "scheme/Scheme.h"

namespace front3 {

class MainForm;

// The front-3 window's condition controls as a scheme, and back. Applying
// sets every control, so keys the scheme leaves out go back to their
// start-up state. "group" is whether the result shows groups: the last run
// came from 【转为组选】.
scheme::Scheme captureScheme(const MainForm& form);
void applyScheme(const scheme::Scheme& scheme, MainForm& form);

}  // namespace front3
