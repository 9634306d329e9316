#pragma once

#include <QString>

#include "toolkit/Host.h"

class QWidget;

namespace gui {

// The desktop behind the toolkit: Qt message boxes, the system clipboard,
// process start, file dialogs and the desktop's URL handler.
class QtHost final : public toolkit::Host {
public:
    // Dialogs are centred on `window` once it is set.
    void setWindow(QWidget* window) { m_window = window; }

    void showMessage(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    void yield() override;
    bool setClipboardText(std::string_view text) override;
    bool startProgram(const std::string& path) override;
    bool openUrl(const std::string& url) override;
    void showTip(toolkit::TipWindow& tip) override;
    std::string chooseFileToOpen(std::string_view title, std::string_view filter) override;
    std::string chooseFileToSave(std::string_view title, std::string_view filter) override;
    void post(std::function<void()> work) override;

private:
    std::string chooseFile(std::string_view title, std::string_view filter, bool save);

    QWidget* m_window = nullptr;
    QString m_lastFolder;  // where the last file dialog ended, for the next one
};

}  // namespace gui
