#pragma once

#include <QObject>
#include <QTimer>

namespace toolkit {
class Timer;
}

namespace gui {

// Drives a toolkit::Timer from a QTimer on the user-interface thread,
// following the control's interval and enabled flag.
class TimerBinding final : public QObject {
    Q_OBJECT
public:
    TimerBinding(toolkit::Timer& timer, QObject* parent = nullptr);
    ~TimerBinding() override;

private:
    void sync();

    toolkit::Timer& m_timer;
    QTimer m_qtimer;
};

}  // namespace gui
