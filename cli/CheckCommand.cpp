#include "cli/CheckCommand.h"

#include <ostream>

#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "tools/draws/PastDraws.h"

namespace cli {

int CheckCommand::run(const Console& console) const {
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return withSchemeWindow(*scheme, past, console, [this, &scheme, &console](auto& form) {
        std::string error;
        const auto typed = draws::readTypedDraw(form.lishi.edition(), draw, error);
        if (!error.empty()) {
            console.complain(error);
            return kBadInput;
        }
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        console.out << draws::checkText(form.lishi.edition(), typed);
        return kDone;
    });
}

}  // namespace cli
