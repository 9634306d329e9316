#pragma once

#include "scheme/Scheme.h"
#include "tools/draws/PastPanel.h"

namespace draws {

// The rows read against past draws and their rule in a scheme: read off the
// panel, and set on it (its reference is never part of a scheme).
// "repeatCounts" … "coldCounts": a row's key in a scheme.
const char* pastKey(PastPanel::Row row);

void capturePast(const PastPanel& panel, scheme::Scheme& scheme);
void applyPast(const scheme::Scheme& scheme, PastPanel& panel);

}  // namespace draws
