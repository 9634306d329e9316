#include "engine/ResultCopy.h"

#include "toolkit/Host.h"
#include "toolkit/TipWindow.h"

namespace engine {

void copyResult(std::string_view text, toolkit::Host& host) {
    if (!host.setClipboardText(text)) {
        host.showMessage(kCopyFailedText, kCopyFailedTitle);
        return;
    }
    toolkit::TipWindow tip;
    host.showTip(tip);
}

}  // namespace engine
