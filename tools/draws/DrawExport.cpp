#include "tools/draws/DrawExport.h"

#include <memory>
#include <string>

#include "history/DrawCsv.h"
#include "toolkit/Host.h"
#include "toolkit/SavedFile.h"
#include "tools/draws/DrawList.h"
#include "tools/draws/StatusLine.h"
#include "tools/draws/StoreWorker.h"

namespace draws {

DrawExport::DrawExport(StoreWorker& worker, StatusLine& status, DrawList& list, toolkit::Host& host)
    : m_worker(worker), m_status(status), m_list(list), m_host(host) {}

void DrawExport::exportFile() {
    if (m_list.lottery().empty()) return;
    const std::string path = m_host.chooseFileToSave("导出开奖号", kCsvFilter);
    if (path.empty()) return;
    m_worker.submit([this, path, drawn = m_list.sharedDraws()](StoreWorker::Session&) {
        std::string error;
        const bool saved = toolkit::saveFileAtomically(path, history::drawsToCsv(*drawn), error);
        const std::string said = saved ? "已导出 " + std::to_string(drawn->size()) + " 期到 " + path
                                       : "写不了文件：" + path;
        return [this, said] { m_status.say(said); };
    });
    m_status.changed();
}

}  // namespace draws
