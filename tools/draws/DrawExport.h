#pragma once

namespace toolkit {
class Host;
}

namespace draws {

class DrawList;
class StatusLine;
class StoreWorker;

// The chosen lottery's draws into a CSV file, written on the worker.
class DrawExport {
public:
    static constexpr const char* kCsvFilter = "CSV 文件 (*.csv)";

    DrawExport(StoreWorker& worker, StatusLine& status, DrawList& list, toolkit::Host& host);
    void exportFile();

private:
    StoreWorker& m_worker;
    StatusLine& m_status;
    DrawList& m_list;
    toolkit::Host& m_host;
};

}  // namespace draws
