#include "shell/HelpFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Row {
    const char* name;
    std::string programFolder;
    std::set<std::string> foldersWithPages;
    std::string expected;
};

TEST(HelpFolder, BesideTheProgramFirstThenTheInstalledShareFolder) {
    const Row rows[] = {
        {"build tree",
         "/src/build/release/bin",
         {"/src/build/release/bin/help"},
         "/src/build/release/bin/help"},
        {"installed in /usr", "/usr/bin", {"/usr/share/quorvel/help"}, "/usr/share/quorvel/help"},
        {"installed in /opt",
         "/opt/quorvel/bin",
         {"/opt/quorvel/share/quorvel/help"},
         "/opt/quorvel/share/quorvel/help"},
        {"unpacked into a scratch root",
         "/tmp/root/usr/bin",
         {"/tmp/root/usr/share/quorvel/help"},
         "/tmp/root/usr/share/quorvel/help"},
        {"folder given with a trailing slash",
         "/usr/bin/",
         {"/usr/share/quorvel/help"},
         "/usr/share/quorvel/help"},
        {"both: the copy beside the program wins",
         "/usr/bin",
         {"/usr/bin/help", "/usr/share/quorvel/help"},
         "/usr/bin/help"},
        {"pages of another prefix are not taken",
         "/usr/local/bin",
         {"/usr/share/quorvel/help"},
         "/usr/local/bin/help"},
        {"none: beside the program, where a failed link points", "/usr/bin", {}, "/usr/bin/help"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto holdsPages = [&row](const std::string& folder) {
            return row.foldersWithPages.count(folder) > 0;
        };
        EXPECT_EQ(shell::findHelpFolder(row.programFolder, holdsPages), row.expected);
    }
}

}  // namespace
