#pragma once

#include <QListView>

#include "toolkit/ListBox.h"

namespace gui {

class ListBoxModel;

// A list view showing a toolkit::ListBox through a model that reads its items
// where they are: no object per item, and a whole new result is one reset,
// so that hundreds of items appear within one frame and a screen reader is
// told once. A new result keeps the scroll position (as far as it reaches)
// and drops the selection.
class ListBoxView final : public QListView {
    Q_OBJECT
public:
    ListBoxView(toolkit::ListBox& list, QWidget* parent = nullptr);
    ~ListBoxView() override;

private:
    toolkit::ListBox& m_list;
    ListBoxModel* m_model = nullptr;
};

}  // namespace gui
