#include "history/HistoryPath.h"

#include <cstdlib>
#include <filesystem>

namespace history {

std::string historyPath(const HistoryPathSources& sources) {
    if (!sources.explicitPath.empty()) return sources.explicitPath;
    if (!sources.historyDb.empty()) return sources.historyDb;
    std::filesystem::path data;
    if (sources.xdgDataHome.starts_with('/')) {
        data = sources.xdgDataHome;
    } else if (!sources.home.empty()) {
        data = std::filesystem::path(sources.home) / ".local" / "share";
    } else {
        return {};
    }
    return (data / "quorvel" / "history.sqlite").lexically_normal().string();
}

std::string historyPathFromEnvironment(const std::string& explicitPath) {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr ? std::string() : std::string(value);
    };
    return historyPath({explicitPath, variable("QUORVEL_HISTORY_DB"), variable("XDG_DATA_HOME"),
                        variable("HOME")});
}

}  // namespace history
