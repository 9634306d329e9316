#pragma once

#include <array>

#include "app/toolkit/ButtonArray.h"
#include "app/toolkit/Frame.h"

namespace any5 {

// The seven tabs C_sst_0 over the seven pages Frame_ding: a click shows its
// page and colours its tab light green, the others grey. Switching never
// changes a condition.
class TabStrip {
public:
    static constexpr std::size_t kPages = 7;
    static constexpr int kPageLeft = 120;
    static constexpr int kPageTop = 260;

    TabStrip();
    TabStrip(const TabStrip&) = delete;
    TabStrip& operator=(const TabStrip&) = delete;

    toolkit::ButtonArray C_sst_0;
    std::array<toolkit::Frame, kPages> Frame_ding;

    // Start-up: every page at the same place, page 0 shown, tab 0 chosen.
    void initialise();
    std::size_t shownPage() const;

private:
    void show(std::size_t page);
};

}  // namespace any5
