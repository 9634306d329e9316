#pragma once

#include <QGroupBox>

namespace toolkit {
class Frame;
}

namespace gui {

// A group box showing a toolkit::Frame: its caption and visibility.
class FrameView final : public QGroupBox {
    Q_OBJECT
public:
    FrameView(toolkit::Frame& frame, QWidget* parent = nullptr);
    ~FrameView() override;

private:
    void sync();

    toolkit::Frame& m_frame;
};

}  // namespace gui
