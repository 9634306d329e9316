#pragma once

#include <array>
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
    // Replaces the list, the text box, the count and ResultText in one go.
    // The count says when the run let bets break conditions.
    void show(Publication publication);
    // The tolerance of the run about to publish.
    void setRunTolerance(const Tolerance& tolerance) { m_runTolerance = tolerance; }
    // Both selectors range over 0..`conditions`, the conditions taking part,
    // and at least 0..1: a bet survives when the conditions it breaks number
    // min..max, so with no condition taking part 1..1 leaves nothing (and the
    // count says why) rather than the selectors falling back to a plain run.
    void setToleranceLimit(int conditions);
    // Sets the red fill to `fraction` of the track.
    void setProgress(double fraction);
    std::size_t count() const { return Li_out.size(); }

private:
    Tolerance m_runTolerance;
    int m_takingPart = 0;
};

}  // namespace engine
