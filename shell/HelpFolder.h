#pragma once

#include <functional>
#include <string>

namespace shell {

// Where an installed program, in <prefix>/bin, finds its help pages: in
// <prefix>/share/quorvel/help (cmake/Packaging.cmake installs them there).
inline constexpr const char* kInstalledHelpFolder = "../share/quorvel/help";

// The folder of the help pages of a program that runs from `programFolder`:
// help/ beside it (a build tree), else kInstalledHelpFolder from it. Folders
// are answered without "..": "/usr/bin" gives "/usr/share/quorvel/help".
// `holdsPages` tells whether a folder has the pages; when neither has,
// help/ beside the program, so that a failed link names that place.
std::string findHelpFolder(const std::string& programFolder,
                           const std::function<bool(const std::string&)>& holdsPages);

}  // namespace shell
