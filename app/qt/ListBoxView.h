#pragma once

#include <QListWidget>

#include "toolkit/ListBox.h"

namespace gui {

// A list widget showing a toolkit::ListBox; a whole new result is put in as
// one batch so that hundreds of items appear within one frame.
class ListBoxView final : public QListWidget {
    Q_OBJECT
public:
    ListBoxView(toolkit::ListBox& list, QWidget* parent = nullptr);
    ~ListBoxView() override;

private:
    void follow(toolkit::ListBox::Change change);
    void refill();

    toolkit::ListBox& m_list;
};

}  // namespace gui
