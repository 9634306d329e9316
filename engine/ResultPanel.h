#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/Publication.h"
#include "engine/Verdicts.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Frame.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/NumberBox.h"
#include "toolkit/TextBox.h"

namespace engine {

// The result column of a main window: where a run publishes its survivors and
// from where they are copied. `ResultText` is what the copy button copies; it
// changes only when a run publishes.
class ResultPanel {
public:
    static constexpr int kProgressTrackWidth = 3000;

    // The editions word the copy button and the comma option differently.
    ResultPanel(std::string copyCaption, std::string commaCaption);

    toolkit::ListBox Li_out;
    toolkit::TextBox T_dd_by;
    toolkit::Label dadi_zhushu{"0"};
    // Beside the count, what buying the result costs: "9 注，18 元".
    toolkit::Label L_jine;
    toolkit::CheckBox Check_out_douhao;
    toolkit::Button C_guolv_ks{"【开始缩水】"};
    toolkit::Button C_copy;
    toolkit::Frame Frame_jindu{"正在过滤中，请稍等。。。"};
    // Item 0 is the white track, item 1 the red fill.
    std::array<toolkit::TextBox, 2> T_jindutiao;
    std::string ResultText;
    // 容错：错 [N_rongcuo_min] 到 [N_rongcuo_max] 个条件; the first never above
    // the second.
    toolkit::NumberBox N_rongcuo_min{0, 0};
    toolkit::NumberBox N_rongcuo_max{0, 0};

    // ',' when Check_out_douhao is ticked, ' ' otherwise; read when publishing.
    char separator() const { return Check_out_douhao.isTicked() ? ',' : ' '; }
    // Said after the count while the conditions differ from the published
    // result's.
    static constexpr const char* kStaleMark = "（条件已改，请重新缩水）";

    // Replaces the list, the text box, the count and ResultText in one go.
    // The count says when the run let bets break conditions.
    void show(Publication publication);
    // The conditions as they stand, as a key that changes whenever one (or
    // the tolerance) does; read when a run applies them and by
    // refreshStaleness.
    void setConditionsKey(std::function<std::string()> key) { m_conditionsKey = std::move(key); }
    // Whether a set condition strikes nothing for want of draws to read;
    // asked with the key, and then said after the count.
    static constexpr const char* kMissingMark = "  有条件缺少开奖历史";
    void setMissingCheck(std::function<bool()> check) { m_isMissing = std::move(check); }
    // The tolerance of the run about to publish; the conditions' key is taken
    // with it.
    void setRunTolerance(const Tolerance& tolerance);
    // Compares the conditions with the published result's and marks the
    // count; true when that changed.
    bool refreshStaleness();
    bool hasPublished() const { return m_hasPublished; }
    // The conditions differ from the published result's now.
    bool isStale() const;
    // What the published result lists: "注" or "组".
    const std::string& unit() const { return m_unit; }
    // Both selectors range over 0..`conditions`, the conditions taking part,
    // and at least 0..1: a bet survives when the conditions it breaks number
    // min..max, so with no condition taking part 1..1 leaves nothing (and the
    // count says why) rather than the selectors falling back to a plain run.
    void setToleranceLimit(int conditions);
    // Sets the red fill to `fraction` of the track.
    void setProgress(double fraction);
    std::size_t count() const { return Li_out.size(); }

private:
    void updateCount();

    Tolerance m_runTolerance;
    int m_takingPart = 0;
    std::function<std::string()> m_conditionsKey;
    std::function<bool()> m_isMissing;
    bool m_runIsMissing = false;
    std::string m_runKey;
    std::string m_publishedKey;
    std::string m_unit = "注";
    std::string m_countCaption = "0";
    bool m_hasPublished = false;
    bool m_isStale = false;
};

}  // namespace engine
