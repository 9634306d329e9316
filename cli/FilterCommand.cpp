#include "cli/FilterCommand.h"

#include <ostream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "cli/SchemeRun.h"
#include "engine/ReportText.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"

namespace cli {
namespace {

// Runs a scheme in its edition's own form, so the lines are the window's.
template <class Form>
int filterWith(const scheme::Scheme& scheme, const FilterCommand& command, const Console& console) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    applyScheme(scheme, form);
    if (command.isReport) {
        form.tongji.refreshIfChanged();
        console.out << engine::reportText(form.tongji.report(), form.tongji.L_rongcuo.caption());
        return kDone;
    }
    if (!runScheme(form, host, scheme, console)) return kFailedRun;
    if (command.isCountOnly) {
        console.out << form.result.count() << "\n";
    } else {
        console.printLines(form.result.ResultText);
    }
    return kDone;
}

}  // namespace

std::optional<scheme::Scheme> loadScheme(const Console& console, const std::string& file) {
    const auto text = console.read(file);
    if (!text) return std::nullopt;
    scheme::ReadResult read = scheme::readScheme(*text);
    if (!read.scheme) console.complain(file + ": " + read.error);
    return std::move(read.scheme);
}

int FilterCommand::run(const Console& console) const {
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return scheme->edition == scheme::Edition::Any5
               ? filterWith<any5::MainForm>(*scheme, *this, console)
               : filterWith<front3::MainForm>(*scheme, *this, console);
}

}  // namespace cli
