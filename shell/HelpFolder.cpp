#include "shell/HelpFolder.h"

#include <filesystem>

namespace shell {

std::string findHelpFolder(const std::string& programFolder,
                           const std::function<bool(const std::string&)>& holdsPages) {
    const std::filesystem::path folder(programFolder);
    // Removing ".." by hand is safe: the program folder is where the executable
    // really is (no links in it), so the system would find the same folder.
    const std::string beside = (folder / "help").lexically_normal().string();
    if (holdsPages(beside)) return beside;
    const std::string installed = (folder / kInstalledHelpFolder).lexically_normal().string();
    if (holdsPages(installed)) return installed;
    return beside;
}

}  // namespace shell
