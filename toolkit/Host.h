#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace toolkit {

class TipWindow;

// What only a desktop can do. The windows get the Qt implementation; tests get
// HeadlessHost, which records every call and can be told to fail.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box with one OK button; returns when it is dismissed.
    virtual void showMessage(std::string_view text, std::string_view title) = 0;
    // A modal question with 是 and 否; true for 是.
    virtual bool askYesNo(std::string_view text, std::string_view title) = 0;
    // Processes pending events (painting, clicks, timers) and returns.
    virtual void yield() = 0;
    // Clears the clipboard and puts plain text on it; false when the clipboard
    // could not be written (another program holds it).
    virtual bool setClipboardText(std::string_view text) = 0;
    // Starts a program by full path in a normal, focused window and returns at
    // once; false when the file is missing or cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
    // Opens a web address with the desktop's default handler; false when no
    // handler accepts it.
    virtual bool openUrl(const std::string& url) = 0;
    // Loads the tip window, shows it modally and returns once it has unloaded.
    virtual void showTip(TipWindow& tip) = 0;
    // Modal file dialogs for one kind of file, `filter` as "方案文件 (*.json)".
    // They return the chosen path, or "" when the user cancels.
    virtual std::string chooseFileToOpen(std::string_view title, std::string_view filter) = 0;
    virtual std::string chooseFileToSave(std::string_view title, std::string_view filter) = 0;
    // Runs `work` on the user-interface thread soon, after the events already
    // queued; may be called from any thread.
    virtual void post(std::function<void()> work) = 0;
};

}  // namespace toolkit
