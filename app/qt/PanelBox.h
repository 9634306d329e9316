#pragma once

#include <QGroupBox>
#include <initializer_list>

#include "app/qt/ButtonArrayView.h"

namespace toolkit {
class Button;
}

namespace gui {

// A titled box holding one button panel and, on its right, the panel's own
// command buttons ("清", "全"); the box and the panel carry the title as
// their accessible name.
class PanelBox final : public QGroupBox {
    Q_OBJECT
public:
    PanelBox(const QString& title, toolkit::ButtonArray& array,
             const ButtonArrayView::Layout& layout,
             std::initializer_list<toolkit::Button*> commands = {}, QWidget* parent = nullptr);
};

}  // namespace gui
