#pragma once

#include <deque>
#include <string>
#include <vector>

#include "toolkit/ButtonArray.h"
#include "toolkit/Frame.h"

namespace toolkit {

// Tab buttons C_sst_0 over pages Frame_ding with matching indexes: a click
// shows its page and colours its tab light green, the others grey. Switching
// never changes a condition.
class TabStrip {
public:
    static constexpr int kPageLeft = 120;
    static constexpr int kPageTop = 260;

    TabStrip(const std::vector<std::string>& tabCaptions,
             const std::vector<std::string>& pageCaptions);
    TabStrip(const TabStrip&) = delete;
    TabStrip& operator=(const TabStrip&) = delete;

    ButtonArray C_sst_0;
    std::deque<Frame> Frame_ding;

    std::size_t pageCount() const { return Frame_ding.size(); }
    // Start-up: every page at the same place, page 0 shown, tab 0 chosen.
    void initialise();
    std::size_t shownPage() const;

private:
    void show(std::size_t page);
};

}  // namespace toolkit
