#include "toolkit/TipWindow.h"

namespace toolkit {

TipWindow::TipWindow() : Window("信息提示窗口") {
    addTimer(Timer1);
    Timer1.setTickHandler([this] { unload(); });
}

}  // namespace toolkit
