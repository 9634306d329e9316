#pragma once

#include "scheme/Scheme.h"

namespace draws {

class PastPanel;

// The rows read against past draws and their rule in a scheme: read off the
// panel, and set on it (its reference is never part of a scheme).
void capturePast(const PastPanel& panel, scheme::Scheme& scheme);
void applyPast(const scheme::Scheme& scheme, PastPanel& panel);

}  // namespace draws
