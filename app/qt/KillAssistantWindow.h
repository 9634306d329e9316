#pragma once

#include <QWidget>

namespace any5::assistant {
class KillAssistant;
}

namespace gui {

// Fshahao on screen, docked against the main window's right edge; and the
// tutorial window it opens.
class KillAssistantWindow final : public QWidget {
    Q_OBJECT
public:
    KillAssistantWindow(any5::assistant::KillAssistant& assistant, QWidget* mainWindow);
    ~KillAssistantWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* historyArea();
    QWidget* coveredArea();
    QWidget* confirmArea();
    void trackBareSurface();
    void sync();

    any5::assistant::KillAssistant& m_assistant;
    QWidget* m_tutorial = nullptr;
    QWidget* m_covered = nullptr;
    QWidget* m_chooser = nullptr;
};

}  // namespace gui
