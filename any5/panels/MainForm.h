#pragma once

#include "any5/panels/BankerPanel.h"
#include "any5/panels/CountPanel.h"
#include "any5/panels/MinMaxPanel.h"
#include "any5/panels/ShapePanels.h"
#include "app/toolkit/Window.h"
#include "engine/Any5Slot.h"
#include "engine/CandidateTable.h"
#include "engine/FilterRun.h"
#include "engine/Pipeline.h"
#include "engine/ResultPanel.h"
#include "engine/TableGuard.h"

namespace toolkit {
class Host;
}

namespace any5 {

// Fmain of the any-5 program: owns the condition panels, the candidate table,
// the pipeline of conditions and the result column.
class MainForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "11选5Quorvel  任5版 2014.10.30";

    explicit MainForm(toolkit::Host& host);

    engine::ResultPanel result{"复制号码"};
    BankerPanel bankers;
    ShapePanels shapes;
    MinMaxPanel minMax;
    CountPanel counts;
    engine::CandidateTable table;
    engine::TableGuard tableGuard;
    engine::Pipeline<engine::CandidateTable> pipeline{engine::kAny5SlotCount};

    toolkit::Host& host() { return m_host; }

private:
    void onLoad() override;
    void copy();

    toolkit::Host& m_host;
    engine::FilterRun m_run;
};

}  // namespace any5
