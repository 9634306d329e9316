#include "cli/ExplainCommand.h"

#include <ostream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "cli/FilterCommand.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "toolkit/HeadlessHost.h"

namespace cli {
namespace {

// The window's own report answers, as 查注 does there.
template <class Form>
int explainWith(const scheme::Scheme& scheme, const std::string& bet, const Console& console) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    applyScheme(scheme, form);
    std::string error;
    const auto names = form.tongji.conditionsBrokenBy(bet, error);
    if (!error.empty()) {
        console.complain(error);
        return kBadInput;
    }
    for (const auto& name : names) console.out << name << "\n";
    return kDone;
}

}  // namespace

int ExplainCommand::run(const Console& console) const {
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return scheme->edition == scheme::Edition::Any5
               ? explainWith<any5::MainForm>(*scheme, bet, console)
               : explainWith<front3::MainForm>(*scheme, bet, console);
}

}  // namespace cli
