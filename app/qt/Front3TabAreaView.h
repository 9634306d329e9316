#pragma once

#include <QWidget>

namespace front3 {
class MainForm;
}

namespace gui {

// The front-3 tab strip: five tab buttons over five pages, one visible.
class Front3TabAreaView final : public QWidget {
    Q_OBJECT
public:
    explicit Front3TabAreaView(front3::MainForm& form, QWidget* parent = nullptr);
};

}  // namespace gui
