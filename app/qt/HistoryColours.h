#pragma once

#include <QColor>

namespace gui {

// The history window's verdict colours: a winner kept, a winner struck (and a
// condition worse than chance), a share of the bets.
inline const QColor kSurvived(0x2E, 0x9E, 0x44);
inline const QColor kStruck(0xD6, 0x32, 0x32);
inline const QColor kBetShare(0x5B, 0x8D, 0xD9);

}  // namespace gui
