#include "tools/draws/DrawImport.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "history/HistoryStore.h"
#include "toolkit/Host.h"
#include "tools/draws/DrawList.h"
#include "tools/draws/StatusLine.h"
#include "tools/draws/StoreWorker.h"

namespace draws {
namespace {

using Clock = std::chrono::steady_clock;
// A longer import than the quiet time moves its bar at most this often.
constexpr auto kProgressStep = std::chrono::milliseconds(100);

std::optional<std::string> fileText(const std::string& path, std::string& why) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        why = "读不了文件：" + path;
        return std::nullopt;
    }
    return std::move(text).str();
}

}  // namespace

DrawImport::DrawImport(StoreWorker& worker, StatusLine& status, DrawList& list, toolkit::Host& host)
    : m_worker(worker), m_status(status), m_list(list), m_host(host) {}

bool DrawImport::acceptsPaste(std::size_t bytes) {
    if (bytes <= kMaxPastedBytes) return true;
    m_status.say("粘贴的文字太大（" + std::to_string(bytes >> 20) + " MB，最多 " +
                 std::to_string(kMaxPastedBytes >> 20) +
                 " MB）：请存成文件，用【从文件导入…】导入");
    return false;
}

void DrawImport::importText(std::string text,
                            std::function<void(const history::ImportReport&)> done) {
    auto shared = std::make_shared<std::string>(std::move(text));
    run([shared](std::string&) { return std::optional<std::string>(std::move(*shared)); },
        std::move(done));
}

void DrawImport::importFile() {
    if (m_list.lottery().empty()) {
        m_status.say("请先选择或添加彩种");
        return;
    }
    const std::string path = m_host.chooseFileToOpen("导入开奖号", kDrawFileFilter);
    if (path.empty()) return;
    run([path](std::string& why) { return fileText(path, why); }, {});
}

// The store reports now and then how far it got; the window hears of it only
// once the import has taken a while, and then a few times a second.
void DrawImport::run(Reader read, std::function<void(const history::ImportReport&)> done) {
    if (m_list.lottery().empty()) {
        m_status.say("请先选择或添加彩种");
        return;
    }
    ++m_running;
    const auto mode =
        m_replaceStored ? history::ImportMode::ReplaceStored : history::ImportMode::KeepStored;
    m_worker.submit([this, read = std::move(read), lottery = m_list.lottery(), mode,
                     quiet = m_quiet, done = std::move(done)](StoreWorker::Session& session) {
        auto report = std::make_shared<history::ImportReport>();
        std::string why;
        if (const auto text = read(why)) {
            const Clock::time_point start = Clock::now();
            Clock::time_point shown = start - kProgressStep;
            const history::ImportProgress progress = [&](std::size_t count, std::size_t total) {
                const Clock::time_point now = Clock::now();
                if (now - start < quiet || now - shown < kProgressStep) return;
                shown = now;
                session.post([this, count, total] {
                    m_progress = Progress{count, total};
                    m_status.changed();
                });
            };
            *report = session.store().importText(lottery, *text, mode, progress);
        } else {
            report->errorText = why;
        }
        return [this, report, done] {
            --m_running;
            m_progress.reset();
            m_status.say(history::importSummary(*report));
            if (done) done(*report);
            m_list.read();
        };
    });
    m_status.changed();
}

}  // namespace draws
