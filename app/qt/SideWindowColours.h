#pragma once

#include <QColor>

namespace gui {

// The side windows' colours. One red says "look here" everywhere: a winner
// struck, a condition worse than chance or striking nothing, the pointed-out
// ticket rows.
inline const QColor kWarningRed(0xD6, 0x32, 0x32);
inline const QColor kSurvived(0x2E, 0x9E, 0x44);  // a winner kept
inline const QColor kStruck = kWarningRed;        // a winner struck
inline const QColor kBetShare(0x5B, 0x8D, 0xD9);  // a share of the bets

}  // namespace gui
