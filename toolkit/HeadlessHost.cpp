#include "toolkit/HeadlessHost.h"

#include "toolkit/TipWindow.h"

namespace toolkit {
namespace {
// A tip that has not closed itself after this long never will.
constexpr int kTipGiveUpMs = 60'000;
}  // namespace

void HeadlessHost::showMessage(std::string_view text, std::string_view title) {
    m_calls.push_back({Kind::Message, std::string(text), std::string(title)});
    if (m_onMessage) m_onMessage();
}

bool HeadlessHost::askYesNo(std::string_view text, std::string_view title) {
    m_calls.push_back({Kind::Question, std::string(text), std::string(title), m_answer});
    return m_answer;
}

void HeadlessHost::yield() {
    ++m_yields;
    if (m_onYield) m_onYield();
}

bool HeadlessHost::setClipboardText(std::string_view text) {
    m_calls.push_back({Kind::Clipboard, std::string(text), {}, !m_failClipboard});
    if (m_failClipboard) return false;
    m_clipboard = std::string(text);
    return true;
}

bool HeadlessHost::startProgram(const std::string& path) {
    m_calls.push_back({Kind::StartProgram, path, {}, !m_failStartProgram});
    return !m_failStartProgram;
}

bool HeadlessHost::openUrl(const std::string& url) {
    m_calls.push_back({Kind::OpenUrl, url, {}, !m_failOpenUrl});
    return !m_failOpenUrl;
}

// Plays the modal loop on a simulated clock: time passes in steps of the
// tip's timer interval until the tip unloads itself.
void HeadlessHost::showTip(TipWindow& tip) {
    tip.load();
    int elapsed = 0;
    while (tip.isLoaded() && tip.Timer1.isEnabled() && tip.Timer1.intervalMs() > 0 &&
           elapsed < kTipGiveUpMs) {
        elapsed += tip.Timer1.intervalMs();
        tip.Timer1.tick();
    }
    m_calls.push_back({Kind::Tip, tip.message.caption(), tip.title(), !tip.isLoaded(), elapsed});
}

std::string HeadlessHost::chooseFileToOpen(std::string_view title, std::string_view) {
    m_calls.push_back({Kind::OpenFile, m_chosenFile, std::string(title), !m_chosenFile.empty()});
    return m_chosenFile;
}

std::string HeadlessHost::chooseFileToSave(std::string_view title, std::string_view) {
    m_calls.push_back({Kind::SaveFile, m_chosenFile, std::string(title), !m_chosenFile.empty()});
    return m_chosenFile;
}

void HeadlessHost::post(std::function<void()> work) {
    {
        const std::lock_guard lock(m_postedMutex);
        m_posted.push_back(std::move(work));
    }
    m_postedArrived.notify_all();
}

int HeadlessHost::runPosted() {
    int ran = 0;
    for (;;) {
        std::function<void()> work;
        {
            const std::lock_guard lock(m_postedMutex);
            if (m_posted.empty()) return ran;
            work = std::move(m_posted.front());
            m_posted.pop_front();
        }
        work();
        ++ran;
    }
}

bool HeadlessHost::runPostedUntil(const std::function<bool()>& done,
                                  std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        runPosted();
        if (done()) return true;
        std::unique_lock lock(m_postedMutex);
        if (!m_postedArrived.wait_until(lock, deadline, [this] { return !m_posted.empty(); }))
            return done();
    }
}

std::vector<HeadlessHost::Call> HeadlessHost::callsOf(Kind kind) const {
    std::vector<Call> found;
    for (const auto& call : m_calls) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

}  // namespace toolkit
