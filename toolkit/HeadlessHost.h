#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "toolkit/Host.h"

namespace toolkit {

// The Host for tests and the command line: nothing is shown, every call is
// recorded in order, and each capability can be told to fail.
class HeadlessHost final : public Host {
public:
    enum class Kind {
        Message,
        Question,
        Clipboard,
        StartProgram,
        OpenUrl,
        Tip,
        OpenFile,
        SaveFile
    };
    struct Call {
        Kind kind;
        std::string text;   // message text, clipboard text, path, URL, tip text, chosen file
        std::string title;  // message, tip window or file dialog title
        bool succeeded = true;
        int openMs = 0;  // tip: how long it stayed open before it closed itself
    };

    void showMessage(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    void yield() override;
    bool setClipboardText(std::string_view text) override;
    bool startProgram(const std::string& path) override;
    bool openUrl(const std::string& url) override;
    void showTip(TipWindow& tip) override;
    std::string chooseFileToOpen(std::string_view title, std::string_view filter) override;
    std::string chooseFileToSave(std::string_view title, std::string_view filter) override;
    // Queued until the test runs them, as a window's event loop would.
    void post(std::function<void()> work) override;

    // Runs the posted work queued so far (and what it posts in turn); how many.
    int runPosted();
    // Runs posted work as it arrives until `done` holds; false when it still
    // does not after `timeout`.
    bool runPostedUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = std::chrono::seconds(30));

    const std::vector<Call>& calls() const { return m_calls; }
    std::vector<Call> callsOf(Kind kind) const;
    void clearCalls() { m_calls.clear(); }
    const std::string& clipboard() const { return m_clipboard; }
    int yieldCount() const { return m_yields; }

    void failClipboard(bool fail) { m_failClipboard = fail; }
    void failStartProgram(bool fail) { m_failStartProgram = fail; }
    void failOpenUrl(bool fail) { m_failOpenUrl = fail; }
    // What the next questions answer (是 unless told).
    void setAnswer(bool yes) { m_answer = yes; }
    // What the next file dialogs answer; "" is a cancel.
    void setChosenFile(std::string path) { m_chosenFile = std::move(path); }
    // Runs inside every yield, as an event arriving while a handler yields.
    void setOnYield(std::function<void()> action) { m_onYield = std::move(action); }
    // Runs while a message box is up, before the user "presses OK".
    void setOnMessage(std::function<void()> action) { m_onMessage = std::move(action); }

private:
    std::vector<Call> m_calls;
    std::string m_clipboard;
    int m_yields = 0;
    bool m_failClipboard = false;
    bool m_failStartProgram = false;
    bool m_failOpenUrl = false;
    bool m_answer = true;
    std::function<void()> m_onYield;
    std::function<void()> m_onMessage;
    std::string m_chosenFile;
    std::mutex m_postedMutex;
    std::condition_variable m_postedArrived;
    std::deque<std::function<void()>> m_posted;
};

}  // namespace toolkit
