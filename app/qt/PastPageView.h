#pragma once

#include <utility>
#include <vector>

namespace draws {
class PastPanel;
}
namespace toolkit {
class ButtonArray;
}

namespace gui {

class FrameView;

// The page 重号冷热 of either main window: the previous draw and the
// hot/warm/cold line over the rows read against them, the box to type a
// previous draw, the rule's spin boxes, the help button, and any rows of the
// edition's own (any-5: AC值 and 012路) below.
using NamedRow = std::pair<const char*, toolkit::ButtonArray*>;
void fillPastPage(FrameView* page, draws::PastPanel& panel, const std::vector<NamedRow>& ownRows);

}  // namespace gui
