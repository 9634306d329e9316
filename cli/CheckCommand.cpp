#include "cli/CheckCommand.h"

#include <ostream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "tools/draws/PastDraws.h"

namespace cli {
namespace {

template <class Form>
int checkWith(const scheme::Scheme& scheme, const std::string& typed, const Console& console) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    applyScheme(scheme, form);
    std::string error;
    const auto draw = draws::readTypedDraw(form.lishi.edition(), typed, error);
    if (!error.empty()) {
        console.complain(error);
        return kBadInput;
    }
    if (!runScheme(form, host, scheme, console)) return kFailedRun;
    console.out << draws::checkText(form.lishi.edition(), draw);
    return kDone;
}

}  // namespace

int CheckCommand::run(const Console& console) const {
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return scheme->edition == scheme::Edition::Any5
               ? checkWith<any5::MainForm>(*scheme, draw, console)
               : checkWith<front3::MainForm>(*scheme, draw, console);
}

}  // namespace cli
