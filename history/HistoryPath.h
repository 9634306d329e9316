#pragma once

#include <string>

namespace history {

// What decides where the history file is, as the program was started: each
// value empty when not given.
struct HistoryPathSources {
    std::string explicitPath;  // the runner's --db, or a file the window chose
    std::string historyDb;     // QUORVEL_HISTORY_DB
    std::string xdgDataHome;   // XDG_DATA_HOME
    std::string home;          // HOME
};

// The history file: an explicit path wins, then QUORVEL_HISTORY_DB, then
// history.sqlite in the user's data folder. As the XDG base directory rules
// ask, a relative XDG_DATA_HOME is ignored. Examples:
//   {"a.sqlite", "/b.sqlite", "/x", "/home/u"} => "a.sqlite"
//   {"", "/b.sqlite", "/x", "/home/u"}         => "/b.sqlite"
//   {"", "", "/x/", "/home/u"}                 => "/x/quorvel/history.sqlite"
//   {"", "", "", "/home/u"}      => "/home/u/.local/share/quorvel/history.sqlite"
//   {"", "", "x", "/home/u"}     => "/home/u/.local/share/quorvel/history.sqlite"
//   {"", "", "", ""}             => "" (nowhere; the store says so)
std::string historyPath(const HistoryPathSources& sources);

// The same with the variables of this process's environment: the one place
// both programs and the runner read them.
std::string historyPathFromEnvironment(const std::string& explicitPath);

}  // namespace history
