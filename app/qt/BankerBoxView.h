#pragma once

#include <QGroupBox>

namespace any5 {
class BankerPanel;
}

namespace toolkit {
class Button;
}

namespace gui {

// The five banker rows: "胆码1".."胆码5" with their eleven numbers, their six
// counts under "胆码开出个数", and "清" / "全" per row.
class BankerBoxView final : public QGroupBox {
    Q_OBJECT
public:
    BankerBoxView(any5::BankerPanel& bankers, toolkit::Button& help, QWidget* parent = nullptr);
};

}  // namespace gui
