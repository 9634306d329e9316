#pragma once

#include "toolkit/ButtonArray.h"

namespace any5 {

// The shape counts beside the rows read against past draws: AC值 and how many
// of a bet's numbers lie in 0路 (03 06 09), 1路 (01 04 07 10) and 2路
// (02 05 08 11); green buttons keep.
class AcRoadPanel {
public:
    AcRoadPanel();
    AcRoadPanel(const AcRoadPanel&) = delete;
    AcRoadPanel& operator=(const AcRoadPanel&) = delete;

    toolkit::ButtonArray C_aczhi{"C_aczhi", toolkit::plainCaptions(0, 5)};
    toolkit::ButtonArray C_lu0{"C_lu0", toolkit::plainCaptions(0, 3)};
    toolkit::ButtonArray C_lu1{"C_lu1", toolkit::plainCaptions(0, 4)};
    toolkit::ButtonArray C_lu2{"C_lu2", toolkit::plainCaptions(0, 4)};

    toolkit::ButtonArray& road(int road) { return road == 0 ? C_lu0 : road == 1 ? C_lu1 : C_lu2; }
    const toolkit::ButtonArray& road(int road) const {
        return road == 0 ? C_lu0 : road == 1 ? C_lu1 : C_lu2;
    }
};

}  // namespace any5
