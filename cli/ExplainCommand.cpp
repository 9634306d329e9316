#include "cli/ExplainCommand.h"

#include <ostream>

#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"

namespace cli {

int ExplainCommand::run(const Console& console) const {
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    // The window's own report answers, as 查注 does there.
    return withSchemeWindow(*scheme, past, console, [this, &console](auto& form) {
        std::string error;
        const auto lines = form.tongji.reasonsBrokenBy(bet, error);
        if (!error.empty()) {
            console.complain(error);
            return kBadInput;
        }
        for (const auto& line : lines) console.out << line << "\n";
        return kDone;
    });
}

}  // namespace cli
