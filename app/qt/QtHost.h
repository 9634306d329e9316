#pragma once

#include "app/toolkit/Host.h"

class QWidget;

namespace gui {

// The desktop behind the toolkit: Qt message boxes, the system clipboard,
// process start and the desktop's URL handler.
class QtHost final : public toolkit::Host {
public:
    // Dialogs are centred on `window` once it is set.
    void setWindow(QWidget* window) { m_window = window; }

    void showMessage(std::string_view text, std::string_view title) override;
    void yield() override;
    bool setClipboardText(std::string_view text) override;
    bool startProgram(const std::string& path) override;
    bool openUrl(const std::string& url) override;
    void showTip(toolkit::TipWindow& tip) override;

private:
    QWidget* m_window = nullptr;
};

}  // namespace gui
