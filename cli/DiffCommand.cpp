#include "cli/DiffCommand.h"

#include <ostream>

#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "engine/Captions.h"
#include "engine/SchemeDiff.h"
#include "tools/compare/CompareForm.h"

namespace cli {
namespace {

int runSide(const scheme::Scheme& scheme, const PastSource& past, const Console& console,
            compare::Run& side) {
    return withSchemeWindow(scheme, past, console, [&](auto& form) {
        if (!runScheme(form, scheme, console)) return kFailedRun;
        form.tongji.refreshIfChanged();
        side.verdicts = form.tongji.verdicts();
        side.tolerance = form.tongji.tolerance();
        side.lines = compare::linesOf(form.result.ResultText);
        side.unit = form.result.unit();
        return kDone;
    });
}

}  // namespace

int DiffCommand::run(const Console& console) const {
    const auto a = loadScheme(console, fileA);
    if (!a) return kBadInput;
    const auto b = loadScheme(console, fileB);
    if (!b) return kBadInput;
    if (a->edition != b->edition) {
        console.complain(fileA + " 是" + scheme::editionName(a->edition) + "的方案，" + fileB +
                         " 是" + scheme::editionName(b->edition) + "的方案：只能对比同一版的方案");
        return kBadInput;
    }
    compare::Run first;
    compare::Run second;
    if (const int code = runSide(*a, past, console, first); code != kDone) return code;
    if (const int code = runSide(*b, past, console, second); code != kDone) return code;
    const engine::ResultDiff results = engine::resultDiff(first.lines, second.lines);
    if (!bets.empty()) {
        const auto& part = bets == "both"     ? results.both
                           : bets == "only-a" ? results.onlyFirst
                                              : results.onlySecond;
        for (const auto& line : part) console.out << line << "\n";
        return kDone;
    }
    const auto& names = a->edition == scheme::Edition::Any5 ? engine::any5ConditionNames()
                                                            : engine::front3ConditionNames();
    console.out << engine::diffText(
        engine::diffRows(names, first.verdicts, first.tolerance, second.verdicts, second.tolerance),
        results, "A", "B", first.unit);
    return kDone;
}

}  // namespace cli
