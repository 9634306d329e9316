#pragma once

#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/PastSource.h"

namespace cli {

// `quorvel reduce SCHEME.json (--play NAME | --all) [--time-limit S]`: the
// fewest tickets of one play that win whichever survivor of the scheme's run
// is drawn, one a line as the result text spells bets, and the reducer's
// summary line on err; or, with --all, a table of every play open to the
// survivors, to choose one by its cost and guaranteed prize.
struct ReduceCommand {
    // The plays as the player knows them: 任选二 .. 任选八, 前一, 前二直选,
    // 前二组选, 前三直选, 前三组选.
    static const std::vector<std::string>& playNames();

    std::string schemeFile;
    PastSource past;
    std::string play;  // one of playNames(), or empty with isAll
    bool isAll = false;
    // For each play: --all may take this many seconds times the plays open.
    double timeLimitSeconds = 3;

    int run(const Console& console) const;
};

}  // namespace cli
