#include "cli/FilterCommand.h"

#include <algorithm>
#include <ostream>
#include <type_traits>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
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
    if constexpr (std::is_same_v<Form, front3::MainForm>) {
        (scheme.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
        if (!form.L_tishi.caption().empty()) {
            std::string note = form.L_tishi.caption();
            note.erase(std::remove(note.begin(), note.end(), '\n'), note.end());
            console.complain(note);
        }
    } else {
        form.result.C_guolv_ks.press();
    }
    for (const auto& message : host.callsOf(toolkit::HeadlessHost::Kind::Message)) {
        if (message.title == engine::FilterRun::kFailedTitle) {
            console.complain(message.text);
            return kFailedRun;
        }
    }
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
