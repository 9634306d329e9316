#include "any5/panels/MainForm.h"

#include "any5/stages/CountStage.h"
#include "any5/stages/MinMaxStage.h"
#include "app/toolkit/Host.h"
#include "engine/ResultCopy.h"

namespace any5 {

MainForm::MainForm(toolkit::Host& host)
    : Window(kTitle),
      bankers(host),
      shapes(host),
      minMax(host),
      m_host(host),
      m_run(table, tableGuard, pipeline, result, host) {
    using engine::Any5Slot;
    using engine::slotIndex;
    pipeline.install(slotIndex(Any5Slot::BankerGroup), bankers.makeStage());
    shapes.installStages(pipeline);
    pipeline.install(slotIndex(Any5Slot::MinMax),
                     std::make_unique<stages::MinMaxStage>(minMax.C_min, minMax.C_max));
    pipeline.install(slotIndex(Any5Slot::Count), std::make_unique<stages::CountStage>(
                                                     counts.C_jishu_geshu, counts.C_dahao_geshu,
                                                     counts.C_zhihe_geshu, counts.BigNumberList));
    result.C_guolv_ks.setClickHandler([this] { m_run.press(); });
    result.C_copy.setClickHandler([this] { copy(); });
}

// Start-up: every condition button starts cream; then the progress frame is
// hidden and the big-number range takes its default.
void MainForm::onLoad() {
    result.Frame_jindu.setVisible(false);
    counts.Op_dahao_fanwei.choose(0);
    result.T_dd_by.setText({});
    result.Check_out_douhao.setTicked(false);
    result.dadi_zhushu.setCaption("0");
}

void MainForm::copy() {
    engine::copyResult(result.ResultText, m_host);
}

}  // namespace any5
