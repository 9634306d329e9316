#include "engine/BankerCountCheck.h"

#include "toolkit/ButtonArray.h"
#include "toolkit/Host.h"

namespace engine {

void clickBankerCount(toolkit::ButtonArray& counts, std::size_t index,
                      const toolkit::ButtonArray& numbers, toolkit::Host& host) {
    using toolkit::palette::kGreen;
    auto& button = counts[index];
    if (button.backColour() == kGreen) {
        button.setBackColour(toolkit::palette::kCream);
        return;
    }
    if (index > numbers.countWithColour(kGreen)) {
        host.showMessage(kTooManyCountsText, kTooManyCountsTitle);
        return;
    }
    button.setBackColour(kGreen);
}

}  // namespace engine
