#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/Publication.h"
#include "engine/ResultPanel.h"
#include "engine/TableGuard.h"

namespace toolkit {
class Host;
}

namespace engine {

// One press of a start button: regenerate the edition's table with every bet
// alive, apply its pipeline, publish the survivors in the result column. The
// published controls change only after every stage has finished, so a stage
// that fails leaves the previous result whole.
class FilterRun {
public:
    static constexpr const char* kNothingLeftText = "本次过滤结果为0注，请检查是否有条件输入错误。";
    static constexpr const char* kNothingLeftTitle = "温情提示";
    static constexpr const char* kFailedText =
        "缩水时出现意外错误，本次结果没有更新，上次的结果保持不变。请再按一次【开始缩水】。";
    static constexpr const char* kFailedTitle = "错误提示";

    // What differs between the editions.
    struct Steps {
        std::function<void(const std::function<void()>& yieldPerRow)> generate;
        std::function<void()> applyStages;
        std::function<Publication(char separator)> publish;
        bool warnWhenNothingLeft = true;  // the any-5 edition warns, front-3 does not
    };

    FilterRun(Steps steps, TableGuard& guard, ResultPanel& result, toolkit::Host& host);

    // The start button's click handler. If an intersection-tool operation
    // holds the table, the run starts as soon as it is done.
    void press();
    // A run, then a second publication of the same table in place of the
    // first (the front-3 group conversion). A press while a run is under way
    // is ignored: the run already under way gives the result.
    void pressThen(std::function<Publication(char separator)> republish);
    bool isRunning() const { return m_isRunning; }
    // Why the last run failed (the message the window shows), or none when it
    // published its result.
    const std::optional<std::string>& lastFailure() const { return m_lastFailure; }
    // Runs after each publication, for notes the edition shows beside it.
    void setAfterPublish(std::function<void()> action) { m_afterPublish = std::move(action); }

private:
    void run(const std::function<Publication(char)>& republish);

    Steps m_steps;
    TableGuard& m_guard;
    ResultPanel& m_result;
    toolkit::Host& m_host;
    bool m_isRunning = false;
    std::optional<std::string> m_lastFailure;
    std::function<void()> m_afterPublish;
};

}  // namespace engine
