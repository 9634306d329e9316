#include "any5/panels/MainForm.h"

#include "app/toolkit/Host.h"
#include "engine/ResultCopy.h"

namespace any5 {

MainForm::MainForm(toolkit::Host& host)
    : Window(kTitle), m_host(host), m_run(table, tableGuard, pipeline, result, host) {
    result.C_guolv_ks.setClickHandler([this] { m_run.press(); });
    result.C_copy.setClickHandler([this] { copy(); });
}

// Start-up state of the result column; the condition panels add theirs.
void MainForm::onLoad() {
    result.Frame_jindu.setVisible(false);
    result.T_dd_by.setText({});
    result.Check_out_douhao.setTicked(false);
    result.dadi_zhushu.setCaption("0");
}

void MainForm::copy() {
    engine::copyResult(result.ResultText, m_host);
}

}  // namespace any5
