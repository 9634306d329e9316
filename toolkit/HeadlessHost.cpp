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

std::vector<HeadlessHost::Call> HeadlessHost::callsOf(Kind kind) const {
    std::vector<Call> found;
    for (const auto& call : m_calls) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

}  // namespace toolkit
