#pragma once

#include "scheme/Scheme.h"

namespace any5 {

class MainForm;

// The any-5 window's condition controls as a scheme, and back. Applying sets
// every control, so keys the scheme leaves out go back to their start-up
// state; the picker's list and, when open, its boxes follow.
scheme::Scheme captureScheme(const MainForm& form);
void applyScheme(const scheme::Scheme& scheme, MainForm& form);

}  // namespace any5
