#pragma once

#include <QWidget>

namespace toolkit {
class TextBox;
}

namespace gui {

// The two-box progress bar: a white track with a red fill whose width is the
// fill box's share of the track box.
class ProgressFillView final : public QWidget {
    Q_OBJECT
public:
    ProgressFillView(toolkit::TextBox& track, toolkit::TextBox& fill, QWidget* parent = nullptr);
    ~ProgressFillView() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    toolkit::TextBox& m_track;
    toolkit::TextBox& m_fill;
};

}  // namespace gui
