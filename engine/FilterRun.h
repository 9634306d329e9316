#pragma once

#include "engine/CandidateTable.h"
#include "engine/Pipeline.h"
#include "engine/ResultPanel.h"
#include "engine/TableGuard.h"

namespace toolkit {
class Host;
}

namespace engine {

// One press of the any-5 start button: regenerate the table with all 462 bets
// alive, apply the pipeline, publish the survivors.
class FilterRun {
public:
    static constexpr const char* kNothingLeftText = "本次过滤结果为0注，请检查是否有条件输入错误。";
    static constexpr const char* kNothingLeftTitle = "温情提示";
    static constexpr const char* kFailedText =
        "缩水时出现意外错误，本次结果没有更新，上次的结果保持不变。请再按一次【开始缩水】。";
    static constexpr const char* kFailedTitle = "错误提示";

    FilterRun(CandidateTable& table, TableGuard& guard, const Pipeline<CandidateTable>& pipeline,
              ResultPanel& result, toolkit::Host& host);

    // The start button's click handler. If an intersection-tool operation
    // holds the table, the run starts as soon as it is done.
    void press();

private:
    void run();

    CandidateTable& m_table;
    TableGuard& m_guard;
    const Pipeline<CandidateTable>& m_pipeline;
    ResultPanel& m_result;
    toolkit::Host& m_host;
};

}  // namespace engine
