#include "cli/FilterCommand.h"

#include <ostream>

#include "cli/SchemeRun.h"
#include "engine/ReportText.h"
#include "scheme/Scheme.h"

namespace cli {

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
    // The scheme's own window runs it, so the lines are the window's.
    return withSchemeWindow(*scheme, past, console, [this, &scheme, &console](auto& form) {
        if (isReport) {
            form.tongji.refreshIfChanged();
            console.out << engine::reportText(form.tongji.report(),
                                              form.tongji.L_rongcuo.caption());
            return kDone;
        }
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        if (isCountOnly) {
            console.out << form.result.count() << "\n";
        } else {
            console.printLines(form.result.ResultText);
        }
        return kDone;
    });
}

}  // namespace cli
