#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/ConditionRun.h"
#include "scheme/SchemeFiles.h"
#include "scheme/UndoHistory.h"
#include "toolkit/HeadlessHost.h"
#include "tools/compare/CompareForm.h"

namespace compare {

// What the undo history and the comparison see of a main window, alike in
// both editions: `Form` is the edition's main form, whose captureScheme and
// applyScheme are found beside it. `keep` puts back into a state what it
// never changes (the comma option, the front-3 group state); `bigOption` is
// the 大号 option chosen; `press` runs a window as 【开始缩水】 would for a
// scheme.
template <class Form>
scheme::UndoHistory::Window undoWindowOf(Form& form, std::function<void(scheme::Scheme&)> keep,
                                         std::function<std::size_t()> bigOption) {
    return {[&form] { return captureScheme(form); },
            [&form, keep](const scheme::Scheme& state) {
                scheme::Scheme kept = state;
                keep(kept);
                applyScheme(kept, form);
            },
            [&form, bigOption] {
                return engine::conditionsKey(form.pipeline, form.tongji.tolerance()) + '#' +
                       std::to_string(bigOption());
            },
            [&form] { return form.pipeline.settings(); }};
}

// Each scheme runs in a window of its own with this window's draws, typed
// previous draw and comma option; replacing loads it as 载入方案 does.
template <class Form>
Source compareSourceOf(Form& form, scheme::Edition edition, std::vector<std::string> names,
                       std::function<void(Form& twin, const scheme::Scheme&)> press) {
    const auto run = [&form, press](const scheme::Scheme& s) {
        toolkit::HeadlessHost host;
        Form twin(host);
        twin.load();
        twin.past.setStored(form.lishi.drawList().lottery(), form.lishi.drawList().draws());
        twin.past.T_shangqi.setText(form.past.T_shangqi.text());
        scheme::Scheme kept = s;
        kept.comma = form.result.Check_out_douhao.isTicked();
        applyScheme(kept, twin);
        press(twin, kept);
        twin.tongji.refreshIfChanged();
        return Run{twin.tongji.verdicts(), twin.tongji.tolerance(), linesOf(twin.result.ResultText),
                   twin.result.unit()};
    };
    return {edition, std::move(names), [&form] { return captureScheme(form); }, run,
            [&form](const scheme::Scheme& s, const std::string& file) {
                form.undo.nameNextStep("载入方案 " + file);
                applyScheme(s, form);
            }};
}

// 载入方案: asks for a file and loads it, one undoable step named by the file.
template <class Form>
void loadSchemeInto(Form& form, toolkit::Host& host, scheme::Edition edition) {
    std::string path;
    if (const auto loaded = scheme::loadSchemeFile(host, edition, &path)) {
        form.undo.nameNextStep("载入方案 " + fileNameOf(path));
        applyScheme(*loaded, form);
    }
}

}  // namespace compare
