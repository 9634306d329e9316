#pragma once

#include "toolkit/Label.h"
#include "toolkit/Timer.h"
#include "toolkit/Window.h"

namespace toolkit {

// Fts, the small confirmation shown after a copy. It is shown modally and
// closes itself when its timer first ticks, half a second after it loads.
class TipWindow final : public Window {
public:
    static constexpr int kCloseAfterMs = 500;

    TipWindow();

    Label message{"复制成功！"};
    Timer Timer1{kCloseAfterMs};

private:
    void onLoad() override { Timer1.setEnabled(true); }
};

}  // namespace toolkit
