#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "history/ImportReport.h"

namespace toolkit {
class Host;
}

namespace draws {

class DrawList;
class StatusLine;
class StoreWorker;

// Draws into the chosen lottery from a pasted text or a file, on the worker:
// a file is read there too, and a long import reports how far it got.
class DrawImport {
public:
    // A paste beyond this is refused: a text box that big stops the window,
    // and the same lines go in from a file.
    static constexpr std::size_t kMaxPastedBytes = 2u << 20;
    static constexpr const char* kDrawFileFilter = "开奖号文件 (*.txt *.csv);;所有文件 (*)";

    struct Progress {
        std::size_t done = 0;
        std::size_t total = 0;
    };

    DrawImport(StoreWorker& worker, StatusLine& status, DrawList& list, toolkit::Host& host);

    // 覆盖已有期号: a stored issue takes the imported numbers instead of
    // refusing a line that differs.
    void setReplaceStored(bool replace) { m_replaceStored = replace; }

    // Whether the paste box may grow to `bytes`; when not, the status line
    // says what to do instead.
    bool acceptsPaste(std::size_t bytes);
    // `done` runs with the report once the import is over.
    void importText(std::string text, std::function<void(const history::ImportReport&)> done = {});
    void importFile();

    // How long an import runs before it shows how far it got.
    void setQuietTime(std::chrono::milliseconds quiet) { m_quiet = quiet; }

    bool isRunning() const { return m_running > 0; }
    // How far the running import got, once it has run long enough to show.
    const std::optional<Progress>& progress() const { return m_progress; }

private:
    using Reader = std::function<std::optional<std::string>(std::string& why)>;
    void run(Reader read, std::function<void(const history::ImportReport&)> done);

    StoreWorker& m_worker;
    StatusLine& m_status;
    DrawList& m_list;
    toolkit::Host& m_host;
    bool m_replaceStored = false;
    std::chrono::milliseconds m_quiet{500};
    int m_running = 0;
    std::optional<Progress> m_progress;
};

}  // namespace draws
