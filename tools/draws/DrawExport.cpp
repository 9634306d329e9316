#include "tools/draws/DrawExport.h"

#include <fstream>
#include <memory>
#include <string>

#include "history/DrawCsv.h"
#include "toolkit/Host.h"
#include "tools/draws/DrawList.h"
#include "tools/draws/StatusLine.h"
#include "tools/draws/StoreWorker.h"

namespace draws {

DrawExport::DrawExport(StoreWorker& worker, StatusLine& status, DrawList& list,
                       toolkit::Host& host)
    : m_worker(worker), m_status(status), m_list(list), m_host(host) {}

void DrawExport::exportFile() {
    if (m_list.lottery().empty()) return;
    const std::string path = m_host.chooseFileToSave("导出开奖号", kCsvFilter);
    if (path.empty()) return;
    m_worker.submit([this, path, drawn = m_list.sharedDraws()](StoreWorker::Session&) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << history::drawsToCsv(*drawn);
        file.close();
        const std::string said = file ? "已导出 " + std::to_string(drawn->size()) + " 期到 " + path
                                      : "写不了文件：" + path;
        return [this, said] { m_status.say(said); };
    });
    m_status.changed();
}

}  // namespace draws
